#pragma once
// Every printable character of Windows code page 1252, in byte order, and the
// bytes that code page gives them (the five bytes it leaves undefined are
// missing). For round trips of the texts in record files.

#include <QByteArray>
#include <QString>

inline QString AfdrukbareTekens1252()
{
    return QString::fromUtf8(
        u8" !\"#$%&'()*+,-./0123456789:;<=>?"
        u8"@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_"
        u8"`abcdefghijklmnopqrstuvwxyz{|}~€"
        u8"‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ ¡¢£¤¥"
        u8"¦§¨©ª«¬­®¯°±²³´µ¶·¸¹º»¼½¾¿ÀÁÂÃÄÅ"
        u8"ÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖ×ØÙÚÛÜÝÞßàáâãäå"
        u8"æçèéêëìíîïðñòóôõö÷øùúûüýþÿ");
}

inline QByteArray AfdrukbareBytes1252()
{
    QByteArray bytes;
    for (int b = 0x20; b <= 0xFF; ++b)
        if (b != 0x7F && b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D)
            bytes.append(char(b));
    return bytes;
}
