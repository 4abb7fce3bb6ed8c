#pragma once

#include "link/LinkLayer.h"
#include "link/LinkSettings.h"
#include "link/Progress.h"
#include "link/Transport.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <functional>
#include <memory>

namespace norvane::test {

/// An in-memory printer connection: records what is written, hands out queued input, fails on demand.
/// Shared by every transport the opener makes, so a test looks at it after the link is closed.
struct ScriptedDevice
{
    QByteArray written;
    QList<QByteArray> chunks;
    QByteArray input; ///< bytes waiting to be fetched
    int opens = 0;
    int fetches = 0;
    int emptyFetches = 0; ///< fetches that found nothing: each one stands for a read time-out
    bool refuseOpen = false;
    int failChunk = -1; ///< the index of the chunk whose write fails, counted over the device's life
    /// Called with every chunk; what it returns is queued as input (a printer answering).
    std::function<QByteArray(QByteArrayView)> respond;
    /// Called at every fetch; what it returns arrives then (a printer answering after a while).
    std::function<QByteArray()> arrive;
};

class ScriptedTransport : public Transport
{
public:
    explicit ScriptedTransport(std::shared_ptr<ScriptedDevice> device) : m_device(std::move(device)) {}

    bool writeChunk(QByteArrayView chunk) override;
    std::size_t fetch(std::uint8_t* into, std::size_t capacity, std::chrono::milliseconds timeout) override;
    void purgeInput() override { m_device->input.clear(); }

private:
    std::shared_ptr<ScriptedDevice> m_device;
};

class ScriptedOpener : public TransportOpener
{
public:
    explicit ScriptedOpener(std::shared_ptr<ScriptedDevice> device) : m_device(std::move(device)) {}
    std::unique_ptr<Transport> open(InterfaceKind kind, const LinkSettings& settings,
                                    const LinkTimeouts& timeouts) override;

private:
    std::shared_ptr<ScriptedDevice> m_device;
};

/// Records what the byte layer asks of the progress display, one text per call.
class ProgressRecorder : public ProgressView
{
public:
    void showBar() override { calls << QStringLiteral("show"); }
    void setBarPosition(int percent) override { calls << QStringLiteral("bar %1").arg(percent); }
    void hideBar() override { calls << QStringLiteral("hide"); }
    void passEvents() override { ++eventPasses; }

    QStringList calls;
    int eventPasses = 0;
};

/// A link layer whose every link goes to one scripted device, with progress recorded.
struct ScriptedLinks
{
    ScriptedLinks() { progress.setView(&recorder); }

    LinkSettings settings;
    ProgressRecorder recorder;
    Progress progress;
    std::shared_ptr<ScriptedDevice> device = std::make_shared<ScriptedDevice>();
    LinkLayer links{settings, progress, std::make_unique<ScriptedOpener>(device)};
};

} // namespace norvane::test
