// Record texts are in Windows code page 1252, as the Windows programs sharing an
// administration write them.
#include <gtest/gtest.h>

#include "host/base/RecordCodepage.h"

TEST(RecordCodepage, EveryPrintableCharacterRoundTripsAndOthersBecomeAQuestionMark)
{
    QByteArray bytes;  // all but the five bytes the code page leaves undefined
    for (int b = 0x20; b <= 0xFF; ++b)
        if (b != 0x7F && b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D)
            bytes.append(char(b));
    const QString tekens = QString::fromUtf8(
        u8" !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFG"
        u8"HIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmno"
        u8"pqrstuvwxyz{|}~€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œ"
        u8"žŸ ¡¢£¤¥¦§¨©ª«¬­®¯°±²³´µ¶·¸¹º»¼½¾¿ÀÁÂÃÄÅ"
        u8"ÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖ×ØÙÚÛÜÝÞßàáâãäåæçèéêëìí"
        u8"îïðñòóôõö÷øùúûüýþÿ");
    EXPECT_EQ(EncodeRecordText(tekens), bytes);
    EXPECT_EQ(DecodeRecordText(bytes.constData(), bytes.size()), tekens);
    EXPECT_EQ(EncodeRecordText(QString::fromUtf8(u8"Łódź €")), QByteArray("?\xF3" "d? \x80"));
}
