#include "protocol/PrinterStatus.h"

#include "link/PrinterLink.h"

namespace norvane {

namespace {

constexpr char kStatusQuery[] = "\x1b!?";
constexpr char kExtendedStatusQuery[] = "\x1b!S\r\n";
constexpr std::size_t kExtendedStatusLength = 8;
constexpr std::size_t kRibbonByte = 4;

} // namespace

ResultCode ReadStatus(PrinterLink& link, StatusFlags& status)
{
    if (!link.WriteLink(QByteArrayView(kStatusQuery, 3)))
        return ResultCode::DataTransmissionError;
    std::uint8_t statusByte = 0;
    if (!link.ReadByte(statusByte))
        return ResultCode::DataReceivingError;
    for (int bit = 0; bit < 8; ++bit)
        status.flags[bit] = (statusByte >> bit) & 1;
    status.flags[StatusFlags::RibbonEncoderError] = 0;
    status.flags[StatusFlags::OutOfRibbon] = 0;

    if (!link.WriteLink(QByteArrayView(kExtendedStatusQuery, 5)))
        return ResultCode::DataTransmissionError;
    char extended[kExtendedStatusLength] = {};
    if (link.ReadBytes(extended, kExtendedStatusLength) == kExtendedStatusLength) {
        const auto ribbon = static_cast<std::uint8_t>(extended[kRibbonByte]);
        if (ribbon & 0x08)
            status.flags[StatusFlags::RibbonEncoderError] = 1;
        else if (ribbon & 0x04)
            status.flags[StatusFlags::OutOfRibbon] = 1;
    }
    return ResultCode::Success;
}

QString StatusText(const StatusFlags& status)
{
    using F = StatusFlags;
    const char* text = "Ready";
    if (status[F::Printing])
        text = "Printing";
    if (status[F::Pause])
        text = "Pause";
    if (status[F::PaperJam])
        text = "Paper Jam";
    if (status[F::OutOfPaper])
        text = "Out of Paper";
    if (status[F::RibbonFault] && status[F::RibbonEncoderError])
        text = "Ribbon Encoder Err.";
    if (status[F::RibbonFault] && status[F::OutOfRibbon])
        text = "Out of Ribbon";
    if (status[F::OtherError])
        text = "Other Error";
    if (status[F::CoverOpen])
        text = "Cover Open";
    return QString::fromLatin1(text);
}

} // namespace norvane
