#pragma once
// The calls between the host and a module package (a shared library loaded at
// run time). The package exports RegisterFunc and its entry points unmangled.

#include <QString>

class TChildWindowManager;
class TForm;

// An open function: creates its form, hosted by `manager`, and shows it modeless.
using TOpenFunc = void (*)(TChildWindowManager* manager);

// The host's registration callback. The key is temporary: the host copies it.
// Its result is not used by the module.
using TRegisterCallback = bool (*)(void* context, const QString& key, TOpenFunc open);

// "RegisterFunc": registers every open function of the package, in a fixed order.
using TRegisterFunc = bool (*)(TRegisterCallback callback, void* context);

// How the host calls an entry point named in a call request: its own manager and
// the request's two arguments. Entry points that take one argument ignore the
// second; the C calling convention lets the caller pass it anyway.
using TModuleEntry = TForm* (*)(TChildWindowManager* manager, void* arg1, void* arg2);
