#pragma once

#include "protocol/CertificatePaths.h"

#include <QByteArray>
#include <QString>
#include <array>

namespace norvane {

/// A certificate file as the wireless page sends it: its name without folder, and its bytes.
struct LoadedCertificate
{
    QByteArray name;
    QByteArray contents;
};

/// The CA certificate, the client certificate and the private key, in the order the printer numbers them
/// (1, 2, 3); an empty name sends nothing.
using LoadedCertificates = std::array<LoadedCertificate, 3>;

/// Reads the chosen files. False with the path and the reason when one cannot be read, is not a regular file
/// or is larger than a certificate can be.
bool LoadCertificates(const CertificatePaths& paths, LoadedCertificates& loaded, QString& error);

/// The names the files would be sent under, without reading them.
LoadedCertificates CertificateNames(const CertificatePaths& paths);

} // namespace norvane
