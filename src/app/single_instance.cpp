// SPDX-License-Identifier: MIT
#include "single_instance.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <utility>

namespace tevrimo {

namespace {

// How long a start waits for the running window to answer before it opens its own.
constexpr int kAnswerMs = 10000;

}  // namespace

QString ActivationToken() {
    QString token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    if (token.isEmpty()) token = qEnvironmentVariable("DESKTOP_STARTUP_ID");
    return token;
}

InstanceService::InstanceService(Opener open, QObject* parent)
    : QObject(parent), m_open(std::move(open)) {}

bool InstanceService::Open(const QStringList& arguments, const QString& activationToken) {
    return m_open(arguments, activationToken);
}

Instance ClaimOrHandOver(InstanceService& service, const QStringList& arguments,
                         const QString& activationToken) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()) return Instance::kFirst;
    const QString name = QString::fromLatin1(kInstanceName);
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> claimed =
        bus.interface()->registerService(name, QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (claimed.isValid() && claimed.value() == QDBusConnectionInterface::ServiceRegistered) {
        // Calls wait in the bus queue until the event loop runs, after the window exists.
        if (!bus.registerObject(QString::fromLatin1(kInstancePath), &service,
                                QDBusConnection::ExportAllSlots)) {
            bus.interface()->unregisterService(name);
        }
        return Instance::kFirst;
    }
    if (!claimed.isValid()) return Instance::kFirst;
    QDBusMessage call = QDBusMessage::createMethodCall(
        name, QString::fromLatin1(kInstancePath), QString::fromLatin1(kInstanceInterface), "Open");
    call << arguments << activationToken;
    const QDBusReply<bool> taken = bus.call(call, QDBus::Block, kAnswerMs);
    return taken.isValid() && taken.value() ? Instance::kHandedOver : Instance::kFirst;
}

}  // namespace tevrimo
