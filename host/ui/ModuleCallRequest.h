#pragma once
// A module form asks the host to call an exported function of a package, so that
// the new form is opened by the host in its own window system. The request is
// posted to the host's main window as event 0x8000 and the host owns it from then.
//
// The arguments are heap objects whose ownership passes to the called function.
// Until the host hands them over (ArgsTaken), the request frees them itself, so a
// request that is never answered loses nothing and leaks nothing.

#include <functional>
#include <memory>
#include <QEvent>
#include <QPointer>
#include <QString>
#include <QWidget>

struct ModuleCallRequest {
    QString packageFile;    // e.g. "reservering.bpl"
    QString functionName;   // the exported symbol with its leading underscore
    void* arg1 = nullptr;
    void* arg2 = nullptr;
    QPointer<QWidget> activeWindow;

    ModuleCallRequest() = default;
    ModuleCallRequest(const ModuleCallRequest&) = delete;
    ModuleCallRequest& operator=(const ModuleCallRequest&) = delete;
    ~ModuleCallRequest();

    // The called function owns the arguments now.
    void ArgsTaken() { freeArgs_ = nullptr; }

    template <class A1, class A2>
    static std::unique_ptr<ModuleCallRequest> Make(const QString& packageFile,
                                                   const QString& functionName,
                                                   std::unique_ptr<A1> arg1,
                                                   std::unique_ptr<A2> arg2);

    // A request whose second argument is null.
    template <class A1>
    static std::unique_ptr<ModuleCallRequest> Make(const QString& packageFile,
                                                   const QString& functionName,
                                                   std::unique_ptr<A1> arg1)
    {
        return Make(packageFile, functionName, std::move(arg1), std::unique_ptr<A1>());
    }

private:
    std::function<void()> freeArgs_;
};

class ModuleCallEvent : public QEvent {
public:
    static constexpr QEvent::Type kType = QEvent::Type(0x8000);

    explicit ModuleCallEvent(std::unique_ptr<ModuleCallRequest> request)
        : QEvent(kType), request_(std::move(request)) {}

    std::unique_ptr<ModuleCallRequest> TakeRequest() { return std::move(request_); }

private:
    std::unique_ptr<ModuleCallRequest> request_;
};

// Posts the request to the host's main window (HoofdVenster). Returns false, and
// drops the request with its arguments, when there is no main window.
bool PostModuleCallRequest(std::unique_ptr<ModuleCallRequest> request);

template <class A1, class A2>
std::unique_ptr<ModuleCallRequest> ModuleCallRequest::Make(const QString& packageFile,
                                                           const QString& functionName,
                                                           std::unique_ptr<A1> arg1,
                                                           std::unique_ptr<A2> arg2)
{
    auto request = std::make_unique<ModuleCallRequest>();
    request->packageFile = packageFile;
    request->functionName = functionName;
    A1* a1 = arg1.release();
    A2* a2 = arg2.release();
    request->arg1 = a1;
    request->arg2 = a2;
    request->freeArgs_ = [a1, a2] {
        delete a1;
        delete a2;
    };
    return request;
}
