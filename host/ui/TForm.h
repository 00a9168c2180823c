#pragma once
// Base of every form: a window with a caption, a modal result and the show,
// close-query, close and activation hooks that the forms fill in. The hooks
// run guarded (HandlerGuard.h): an error of the record layer in one becomes an
// error box titled with the caption.

#include <QDialog>

enum class TCloseAction { caNone, caHide, caFree };

// Modal results. A non-zero result set while the form is shown modal ends the show.
constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;
constexpr int mrYes = 6;
constexpr int mrNo = 7;

class TForm : public QDialog {
    Q_OBJECT
public:
    explicit TForm(QWidget* owner);

    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString& caption) { setWindowTitle(caption); }

    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result);

protected:
    virtual void FormShow() {}
    virtual bool FormCloseQuery() { return true; }
    virtual void FormClose(TCloseAction&) {}
    virtual void FormActivate() {}
    virtual void FormDeactivate() {}

    // From now on a modal result ends the show the way closing the window does:
    // the close query may keep the form open and the close hook runs.
    void SluitBijModaalResultaat() { sluitBijResultaat_ = true; }

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void done(int result) override;

private:
    int modalResult_ = mrNone;
    bool active_ = false;
    bool sluitBijResultaat_ = false;
};
