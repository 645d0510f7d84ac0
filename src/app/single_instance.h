// SPDX-License-Identifier: MIT
// One window per session: the first start owns the program's name on the session bus,
// and a later start hands its arguments to that window instead of opening its own.
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

namespace tevrimo {

// The name on the session bus, the program's application id, and where its window is.
inline constexpr char kInstanceName[] = "example.tevrimo.converter";
inline constexpr char kInstancePath[] = "/example/tevrimo/converter";
inline constexpr char kInstanceInterface[] = "example.tevrimo.converter.Window";

// The window's side: answers Open(arguments, activation token) with what `open` makes
// of the arguments (a start's, without the program's name).
class InstanceService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "example.tevrimo.converter.Window")
  public:
    using Opener = std::function<bool(const QStringList& arguments, const QString& token)>;
    explicit InstanceService(Opener open, QObject* parent = nullptr);

  public slots:
    // True when the arguments were taken; false for arguments a start would refuse.
    bool Open(const QStringList& arguments, const QString& activationToken);

  private:
    Opener m_open;
};

// What a start does about the window of another start.
enum class Instance {
    kFirst,      // this start owns the name (or there is no bus): it opens the window
    kHandedOver  // the running window took the arguments: nothing more to do
};

// The token a launcher hands a program so that its window may come to the front:
// Wayland's XDG_ACTIVATION_TOKEN, else the X11 startup id. Read it before Qt starts,
// which takes the startup id for itself.
QString ActivationToken();

// Claims the name for `service`, or hands `arguments` and `activationToken` to the window
// that owns it. Any failure on the way (no session bus, no answer) counts as kFirst: a
// window of its own, as without a bus.
[[nodiscard]] Instance ClaimOrHandOver(InstanceService& service, const QStringList& arguments,
                                       const QString& activationToken);

}  // namespace tevrimo
