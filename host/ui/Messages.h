#pragma once
// The host's message boxes. Every message of the module goes through here, so
// that a test can install a responder that records and answers each one.

#include <functional>
#include <QString>

namespace msg {
constexpr int mbOK = 0;     // buttons: OK only
constexpr int mbYesNo = 4;  // buttons: "Ja" / "Nee"
constexpr int idOK = 1;     // results
constexpr int idYes = 6;
constexpr int idNo = 7;
}

enum class MsgKind { Error, Warning, Info };

struct MsgRequest {
    MsgKind kind;
    QString tekst;
    QString titel;
    int knoppen;
};

using MsgResponder = std::function<int(const MsgRequest&)>;

// Shows a modal box and returns the button pressed (msg::idOK, idYes, idNo).
int ErrorMsg(const QString& tekst, const QString& titel, int knoppen = msg::mbOK);
int WarningMsg(const QString& tekst, const QString& titel, int knoppen = msg::mbOK);
int InfoMsg(const QString& tekst, const QString& titel, int knoppen = msg::mbOK);

// Replaces the boxes by `responder` until the returned guard is destroyed.
class MsgResponderScope {
public:
    explicit MsgResponderScope(MsgResponder responder);
    ~MsgResponderScope();
    MsgResponderScope(const MsgResponderScope&) = delete;
    MsgResponderScope& operator=(const MsgResponderScope&) = delete;

private:
    MsgResponder vorige_;
};
