// "Instellingen" on the board: the settings dialog through the frame, and the
// board drawn with what was saved.

#include <QPushButton>
#include <QSpinBox>

#include "frame/BordVenstersFrame.h"
#include "masterdata/Rsvsettingsunit.h"
#include "tests/board/form/BordFormTest.h"

namespace {

class BordInstellingenTest : public BordFormTest {
protected:
    void SetUp() override { MaakKamers(2); }
};

TEST_F(BordInstellingenTest, TheBoardTakesTheSavedRowHeightAndKeepsItWhenCancelled)
{
    TfrmRsvOvRes& bord = Open();
    bord.ZetVensters(&FrameBordVensters());
    EXPECT_EQ(bord.Geometrie().RijHoogte(), 16);
    const auto zetHoogte = [](int hoogte, bool ok) {
        return [hoogte, ok](TForm& form) {
            auto& dialoog = dynamic_cast<TfrmRsvSettings&>(form);
            form.show();
            dialoog.edtRijHoogte->setValue(hoogte);
            (ok ? dialoog.btnOk : dialoog.btnAnnuleren)->click();
            return form.ModalResult();
        };
    };
    BijDialoog(zetHoogte(30, true));
    Klik("btnSettings");
    EXPECT_EQ(bord.Geometrie().RijHoogte(), 30);
    BijDialoog(zetHoogte(40, false));
    Klik("btnSettings");
    EXPECT_EQ(bord.Geometrie().RijHoogte(), 30);
    EXPECT_EQ(Getoond(), 2);
}

}  // namespace
