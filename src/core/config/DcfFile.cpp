#include "config/DcfFile.h"

#include "config/Aes128Ecb.h"
#include "config/ConfigFaults.h"
#include "config/ConfigLayout.h"
#include "config/LittleEndian.h"
#include "config/SavedFile.h"

#include <QBuffer>
#include <QIODevice>
#include <algorithm>

namespace norvane {

namespace {

constexpr std::uint32_t kMagic = 0x55AA;
constexpr std::uint32_t kVersion = 1;
constexpr qsizetype kUnitOffset = 8;
constexpr qsizetype kRecordOffset = 12;
constexpr qsizetype kEncipheredLength = 2816;
constexpr qsizetype kStatusOffset = kRecordOffset + kPrinterConfigSize;

// Built into every program that reads or writes the format.
constexpr Aes128Key kDcfKey = {0x5f, 0x0c, 0x9e, 0x21, 0xa7, 0xd3, 0x48, 0x6b,
                               0xb1, 0x9e, 0x02, 0xc4, 0xf6, 0x7a, 0x3d, 0x58};

std::optional<QByteArray> encode(const DcfContents& contents)
{
    const QByteArray record = ConfigToBytes(contents.config);
    const auto enciphered = Aes128EcbEncrypt(kDcfKey, QByteArrayView(record).first(kEncipheredLength));
    if (!enciphered)
        return std::nullopt;

    QByteArray image(kDcfFileSize, '\0');
    PutLittleEndian32(image, 0, kMagic);
    PutLittleEndian32(image, 4, kVersion);
    PutLittleEndian32(image, kUnitOffset, static_cast<std::uint32_t>(contents.unit));
    image.replace(kRecordOffset, kEncipheredLength, *enciphered);
    image.replace(kRecordOffset + kEncipheredLength, kPrinterConfigSize - kEncipheredLength,
                  QByteArrayView(record).sliced(kEncipheredLength));
    for (std::size_t i = 0; i < contents.status.flags.size(); ++i)
        image[kStatusOffset + static_cast<qsizetype>(i)] = static_cast<char>(contents.status.flags[i]);
    return image;
}

} // namespace

bool ReadDcf(QIODevice& device, DcfContents& contents, QString& error)
{
    QByteArray image(kDcfFileSize, '\0');
    const qint64 got = device.read(image.data(), kDcfFileSize);
    if (got < 0) {
        error = device.errorString();
        return false;
    }
    image.truncate(got);
    return ReadDcf(image, contents, error);
}

bool ReadDcf(QByteArrayView image, DcfContents& contents, QString& error)
{
    // Missing bytes read as zero; only the whole blocks the file holds can be deciphered.
    QByteArray padded = image.first(std::min(image.size(), kDcfFileSize)).toByteArray();
    padded.resize(kDcfFileSize, '\0');
    const qsizetype blockBytes =
        std::clamp<qsizetype>(image.size() - kRecordOffset, 0, kEncipheredLength) / kAes128BlockSize * kAes128BlockSize;
    const auto deciphered = Aes128EcbDecrypt(kDcfKey, QByteArrayView(padded).sliced(kRecordOffset, blockBytes));
    if (image.size() > kDcfFileSize || GetLittleEndian32(padded, 0) != kMagic || !deciphered) {
        error = QString::fromLatin1(kDcfDataError);
        return false;
    }
    QByteArray record = *deciphered;
    record.resize(kEncipheredLength, '\0');
    record += QByteArrayView(padded).sliced(kRecordOffset + kEncipheredLength, kPrinterConfigSize - kEncipheredLength);

    const PrinterConfig config = ConfigFromBytes(record);
    if (FindConfigFault(config)) {
        error = QString::fromLatin1(kDcfDataError);
        return false;
    }
    contents.config = config;
    contents.unit = static_cast<LengthUnit>(GetLittleEndian32(padded, kUnitOffset));
    for (std::size_t i = 0; i < contents.status.flags.size(); ++i)
        contents.status.flags[i] = static_cast<std::uint8_t>(padded[kStatusOffset + static_cast<qsizetype>(i)]);
    return true;
}

bool WriteDcf(QIODevice& device, const DcfContents& contents, QString& error)
{
    const auto image = encode(contents);
    if (!image) {
        error = QStringLiteral("The configuration could not be enciphered");
        return false;
    }
    if (device.write(*image) != image->size()) {
        error = device.errorString();
        return false;
    }
    return true;
}

bool SaveDcfFile(const QString& path, const DcfContents& contents, QString& error)
{
    QBuffer image;
    image.open(QIODevice::WriteOnly);
    if (!WriteDcf(image, contents, error)) {
        error = QStringLiteral("%1: %2").arg(path, error);
        return false;
    }
    return SaveOwnerOnlyFile(path, image.data(), error);
}

} // namespace norvane
