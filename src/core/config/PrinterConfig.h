#pragma once

#include "config/ConfigItem.h"

#include <cstdint>

namespace norvane {

/// Every printer setting the program knows. Its 2826-byte storage layout is fixed to the byte (see ConfigLayout.h);
/// lengths are in printer dots. A default-constructed record is in the `ClearConfig` state.
struct PrinterConfig
{
    using Int = ConfigItem<std::int32_t>;
    using Float = ConfigItem<float>;
    using Char = ConfigItem<char>;

    // Identity and counters.
    std::int32_t edition = 0;
    std::uint8_t dpiValid = 0;
    float dpi = 200.0f;
    float dotsPerMm = 11.8f;
    std::int32_t cutCounter = 0;
    std::int32_t resetCutCounter = 0;
    TextField<256> version;
    TextField<16> mileage;
    TextField<16> resetMileage;
    TextField<16> checksum;
    TextField<64> serialNumber;

    // Common settings.
    Float speed{0, 3.0f};
    Int density;
    Int densityBase;
    Float paperWidth;
    Float paperHeight;
    Int sensorMode;
    Float gapSize;
    Float gapOffset;
    Int printOut;
    Int cutterPiece;
    Int referenceX;
    Int referenceY;
    Int direction;
    Int mirror;
    Int offset;
    Int offsetBase;
    Int shiftY;
    Int shiftYBase;
    Int shiftX;
    Int shiftXBase;
    Int ribbon;
    Int ribbonSensor;
    Int ribbonEncoder;
    Int codePage;
    Int countryCode;
    Int displayLanguage;
    Int headSensor;
    Int reprint;
    Float maxLength;
    Int gapIntensity;
    Int blineIntensity;
    Int continuousIntensity;
    Int autoThreshold;
    std::uint8_t unitIsInch = 0;

    // "Z" emulation.
    Int zDarkness;
    Int zPrintSpeed;
    Int zTearOff;
    Int zPrintMode;
    Int zPrintWidth;
    Char zControlPrefix{0, '~'};
    Char zFormatPrefix{0, '^'};
    Char zDelimiter{0, ','};
    Int zPowerUpAction;
    Int zHeadCloseAction;
    Int zLabelTop;
    Int zLeftPosition;

    // "D" emulation.
    Int dHeat;
    Float dPrintSpeed;
    Int dLabelWidth;
    Int dPresentSensor;
    Int dCutterEquipped;
    Int dControlCodes;
    Int dColumnOffset;
    Int dRowOffset;

    // The printer's serial port, as indexes into the name lists.
    Int comBaudRate;
    Int comDataBits;
    Int comParity;
    Int comStopBits;

    // Bluetooth module.
    std::uint8_t btPresent = 0;
    TextItem<32> btPinCode;
    TextItem<32> btName;
    TextItem<32> btVersion;
    TextItem<32> btLocalMac;

    // Built-in wireless LAN module.
    std::uint8_t wifiPresent = 0;
    TextItem<64> wifiSsid;
    Int wifiSecurity;
    TextItem<128> wifiKey;
    TextItem<64> wifiIp;
    TextItem<64> wifiMask;
    TextItem<64> wifiGateway;
    Int wifiEap;
    TextItem<64> wifiUsername;
    TextItem<64> wifiPassword;
    TextField<64> wifiCurrentIp;
    TextField<64> wifiCurrentMask;
    TextField<64> wifiCurrentGateway;
    TextField<16> wifiCaCertName;
    TextField<16> wifiClientCertName;
    TextField<16> wifiPrivateKeyName;
    TextField<64> wifiMac;
    TextItem<64> wifiHostName;
    TextItem<4> wifiBand;
    Int wifiRoamTrigger;
    Int wifiRoamDelta;
    Int wifiRawPort;

    // External wireless and Bluetooth module.
    std::uint8_t extBtPresent = 0;
    TextItem<32> extBtPinCode;
    TextItem<32> extBtName;
    std::uint8_t extWifiPresent = 0;
    TextItem<64> extWifiSsid;
    Int extWifiSecurity;
    TextItem<128> extWifiKey;
    ReservedBytes<5> reservedAfterExtWifiKey{};
    TextItem<64> extWifiIp;
    TextItem<64> extWifiMask;
    TextItem<64> extWifiGateway;
    TextItem<64> extWifiCurrentIp;
    TextItem<64> extWifiCurrentMask;
    TextItem<64> extWifiCurrentGateway;
    ReservedBytes<140> reservedBeforeFtp{};

    // Firmware update by FTP.
    Int ftpEnable;
    TextItem<64> ftpServer;
    TextItem<128> ftpPath;
    TextItem<40> ftpDescriptionFile;
    TextItem<32> ftpUser;
    TextItem<32> ftpPassword;

    bool operator==(const PrinterConfig&) const = default;
};

/// The initial state: every byte 0, then dpi 200.0, dotsPerMm 11.8, the speed value 3.0 and the Z
/// prefixes "~", "^", "," (their flags stay 0).
void ClearConfig(PrinterConfig& record);

} // namespace norvane
