#include "SampleConfig.h"

#include <QFile>
#include <QProcessEnvironment>

namespace norvane::test {

PrinterConfig SampleConfig()
{
    PrinterConfig c;
    c.edition = 108;
    c.dpiValid = 1;
    c.dpi = 203.0f;
    c.dotsPerMm = 8.0f;
    c.cutCounter = 1234;
    c.resetCutCounter = 56;
    c.version.setText("V2.03A EZ-1105 \xe9");
    c.mileage.setText("12.5");
    c.resetMileage.setText("0.7");
    c.checksum.setText("8A3F");
    c.serialNumber.setText("NV2031-000417");
    c.speed.set(4.0f);
    c.density.set(8);
    c.densityBase.set(3);
    c.paperWidth.set(812.0f);
    c.paperHeight.set(406.5f);
    c.sensorMode.set(1);
    c.gapSize.set(23.6f);
    c.printOut.set(3);
    c.cutterPiece.set(2);
    c.referenceX.set(-8);
    c.direction.set(1);
    c.codePage.set(36);
    c.countryCode.set(21);
    c.maxLength.set(2436.0f);
    c.zDarkness.set(15);
    c.zTearOff.set(-5);
    c.zControlPrefix.valid = 1;
    c.dPrintSpeed.set(4.5f);
    c.comBaudRate.set(8);
    c.btPresent = 1;
    c.btName.setText("Norvane BT");
    c.wifiPresent = 1;
    c.wifiSsid.setText("Lab \"5G\"");
    c.wifiSecurity.set(6);
    c.wifiEap.set(0x11);
    c.wifiUsername.setText("tech");
    c.wifiCaCertName.setText("CA.DER");
    c.wifiMac.setText("00:1B:2C:3D:4E:5F");
    c.wifiBand.setText("5G");
    c.wifiRawPort.set(9100);
    c.extWifiPresent = 1;
    c.extWifiKey.setText("ext key");
    c.extWifiCurrentIp.setText("10.0.0.7");
    c.ftpEnable.set(1);
    c.ftpPassword.setText("ftp-password-reaching-the-tail");
    return c;
}

QByteArray TestDataFile(const QString& name)
{
    QFile file(QProcessEnvironment::systemEnvironment().value(QStringLiteral("NORVANE_TEST_DATA")) + '/' + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace norvane::test
