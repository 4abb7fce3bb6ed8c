#pragma once

#include <QString>

namespace norvane {

/// The certificate files the wireless page hands to the configuration write; an empty path sends nothing.
struct CertificatePaths
{
    QString ca;
    QString client;
    QString privateKey;
};

} // namespace norvane
