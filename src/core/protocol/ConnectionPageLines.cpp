#include "protocol/ConfigurationPageLines.h"

#include "config/NameLists.h"
#include "protocol/CommandFormat.h"

namespace norvane {

QList<QByteArray> SerialPortPageLines(const PrinterConfig& c)
{
    if (!(c.comBaudRate.isSet() && c.comDataBits.isSet() && c.comParity.isSet() && c.comStopBits.isSet()))
        return {};
    const auto baudRate = NameAt(kBaudRatesAsWritten, c.comBaudRate.value);
    const auto dataBits = NameAt(kDataBitNames, c.comDataBits.value);
    const auto parity = NameAt(kParityNames, c.comParity.value);
    const auto stopBits = NameAt(kStopBitNames, c.comStopBits.value);
    // An index that names no setting (a reply the printer's lists do not know) cannot be written.
    if (!(baudRate && dataBits && parity && stopBits))
        return {};
    return {"SET COM1 " + baudRate->toByteArray() + ',' + parity->first(1).toByteArray() + ',' +
            dataBits->toByteArray() + ',' + stopBits->toByteArray() + "\r\n"};
}

QList<CommandText> BluetoothPageLines(const PrinterConfig& c)
{
    QList<CommandText> lines;
    if (!c.btPresent)
        return lines;
    if (c.btPinCode.isSet())
        lines << "BT PINCODE " + SecretQuoted(c.btPinCode.text(), "btPinCode") + "\r\n";
    if (c.btName.isSet())
        lines << "BT NAME " + Quoted(c.btName.text(), "btName") + "\r\n";
    return lines;
}

QList<CommandText> FtpUpdatePageLines(const PrinterConfig& c)
{
    QList<CommandText> lines;
    if (c.ftpEnable.isSet())
        lines << "FTPUPD ENABLE " + Quoted(QByteArray::number(c.ftpEnable.value), "ftpEnable") + "\r\n";
    const auto text = [&](const char* command, const auto& item, const char* field) {
        if (item.isSet())
            lines << command + Quoted(item.text(), field) + "\r\n";
    };
    const auto secretText = [&](const char* command, const auto& item, const char* field) {
        if (item.isSet())
            lines << command + SecretQuoted(item.text(), field) + "\r\n";
    };
    text("FTPUPD SRVIP ", c.ftpServer, "ftpServer");
    text("FTPUPD PATH ", c.ftpPath, "ftpPath");
    text("FTPUPD DESCFILE ", c.ftpDescriptionFile, "ftpDescriptionFile");
    text("FTPUPD ID ", c.ftpUser, "ftpUser");
    secretText("FTPUPD PSWD ", c.ftpPassword, "ftpPassword");
    return lines;
}

} // namespace norvane
