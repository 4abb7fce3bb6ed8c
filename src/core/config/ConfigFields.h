#pragma once

#include "config/PrinterConfig.h"

#include <concepts>
#include <type_traits>

namespace norvane {

/// Calls `visit(name, offset, field)` for every field of the record in layout order, with the field's name
/// and its byte offset in the 2826-byte layout (for an item, the offset of its valid flag; the value
/// follows at offset + 1). The reserved stretches come with an empty name.
template <typename Config, typename Visitor>
requires std::same_as<std::remove_const_t<Config>, PrinterConfig>
void ForEachConfigField(Config& c, Visitor&& visit)
{
    visit("edition", 0, c.edition);
    visit("dpiValid", 4, c.dpiValid);
    visit("dpi", 5, c.dpi);
    visit("dotsPerMm", 9, c.dotsPerMm);
    visit("cutCounter", 13, c.cutCounter);
    visit("resetCutCounter", 17, c.resetCutCounter);
    visit("version", 21, c.version);
    visit("mileage", 277, c.mileage);
    visit("resetMileage", 293, c.resetMileage);
    visit("checksum", 309, c.checksum);
    visit("serialNumber", 325, c.serialNumber);

    visit("speed", 389, c.speed);
    visit("density", 394, c.density);
    visit("densityBase", 399, c.densityBase);
    visit("paperWidth", 404, c.paperWidth);
    visit("paperHeight", 409, c.paperHeight);
    visit("sensorMode", 414, c.sensorMode);
    visit("gapSize", 419, c.gapSize);
    visit("gapOffset", 424, c.gapOffset);
    visit("printOut", 429, c.printOut);
    visit("cutterPiece", 434, c.cutterPiece);
    visit("referenceX", 439, c.referenceX);
    visit("referenceY", 444, c.referenceY);
    visit("direction", 449, c.direction);
    visit("mirror", 454, c.mirror);
    visit("offset", 459, c.offset);
    visit("offsetBase", 464, c.offsetBase);
    visit("shiftY", 469, c.shiftY);
    visit("shiftYBase", 474, c.shiftYBase);
    visit("shiftX", 479, c.shiftX);
    visit("shiftXBase", 484, c.shiftXBase);
    visit("ribbon", 489, c.ribbon);
    visit("ribbonSensor", 494, c.ribbonSensor);
    visit("ribbonEncoder", 499, c.ribbonEncoder);
    visit("codePage", 504, c.codePage);
    visit("countryCode", 509, c.countryCode);
    visit("displayLanguage", 514, c.displayLanguage);
    visit("headSensor", 519, c.headSensor);
    visit("reprint", 524, c.reprint);
    visit("maxLength", 529, c.maxLength);
    visit("gapIntensity", 534, c.gapIntensity);
    visit("blineIntensity", 539, c.blineIntensity);
    visit("continuousIntensity", 544, c.continuousIntensity);
    visit("autoThreshold", 549, c.autoThreshold);
    visit("unitIsInch", 554, c.unitIsInch);

    visit("zDarkness", 555, c.zDarkness);
    visit("zPrintSpeed", 560, c.zPrintSpeed);
    visit("zTearOff", 565, c.zTearOff);
    visit("zPrintMode", 570, c.zPrintMode);
    visit("zPrintWidth", 575, c.zPrintWidth);
    visit("zControlPrefix", 580, c.zControlPrefix);
    visit("zFormatPrefix", 582, c.zFormatPrefix);
    visit("zDelimiter", 584, c.zDelimiter);
    visit("zPowerUpAction", 586, c.zPowerUpAction);
    visit("zHeadCloseAction", 591, c.zHeadCloseAction);
    visit("zLabelTop", 596, c.zLabelTop);
    visit("zLeftPosition", 601, c.zLeftPosition);

    visit("dHeat", 606, c.dHeat);
    visit("dPrintSpeed", 611, c.dPrintSpeed);
    visit("dLabelWidth", 616, c.dLabelWidth);
    visit("dPresentSensor", 621, c.dPresentSensor);
    visit("dCutterEquipped", 626, c.dCutterEquipped);
    visit("dControlCodes", 631, c.dControlCodes);
    visit("dColumnOffset", 636, c.dColumnOffset);
    visit("dRowOffset", 641, c.dRowOffset);

    visit("comBaudRate", 646, c.comBaudRate);
    visit("comDataBits", 651, c.comDataBits);
    visit("comParity", 656, c.comParity);
    visit("comStopBits", 661, c.comStopBits);

    visit("btPresent", 666, c.btPresent);
    visit("btPinCode", 667, c.btPinCode);
    visit("btName", 700, c.btName);
    visit("btVersion", 733, c.btVersion);
    visit("btLocalMac", 766, c.btLocalMac);

    visit("wifiPresent", 799, c.wifiPresent);
    visit("wifiSsid", 800, c.wifiSsid);
    visit("wifiSecurity", 865, c.wifiSecurity);
    visit("wifiKey", 870, c.wifiKey);
    visit("wifiIp", 999, c.wifiIp);
    visit("wifiMask", 1064, c.wifiMask);
    visit("wifiGateway", 1129, c.wifiGateway);
    visit("wifiEap", 1194, c.wifiEap);
    visit("wifiUsername", 1199, c.wifiUsername);
    visit("wifiPassword", 1264, c.wifiPassword);
    visit("wifiCurrentIp", 1329, c.wifiCurrentIp);
    visit("wifiCurrentMask", 1393, c.wifiCurrentMask);
    visit("wifiCurrentGateway", 1457, c.wifiCurrentGateway);
    visit("wifiCaCertName", 1521, c.wifiCaCertName);
    visit("wifiClientCertName", 1537, c.wifiClientCertName);
    visit("wifiPrivateKeyName", 1553, c.wifiPrivateKeyName);
    visit("wifiMac", 1569, c.wifiMac);
    visit("wifiHostName", 1633, c.wifiHostName);
    visit("wifiBand", 1698, c.wifiBand);
    visit("wifiRoamTrigger", 1703, c.wifiRoamTrigger);
    visit("wifiRoamDelta", 1708, c.wifiRoamDelta);
    visit("wifiRawPort", 1713, c.wifiRawPort);

    visit("extBtPresent", 1718, c.extBtPresent);
    visit("extBtPinCode", 1719, c.extBtPinCode);
    visit("extBtName", 1752, c.extBtName);
    visit("extWifiPresent", 1785, c.extWifiPresent);
    visit("extWifiSsid", 1786, c.extWifiSsid);
    visit("extWifiSecurity", 1851, c.extWifiSecurity);
    visit("extWifiKey", 1856, c.extWifiKey);
    visit("", 1985, c.reservedAfterExtWifiKey);
    visit("extWifiIp", 1990, c.extWifiIp);
    visit("extWifiMask", 2055, c.extWifiMask);
    visit("extWifiGateway", 2120, c.extWifiGateway);
    visit("extWifiCurrentIp", 2185, c.extWifiCurrentIp);
    visit("extWifiCurrentMask", 2250, c.extWifiCurrentMask);
    visit("extWifiCurrentGateway", 2315, c.extWifiCurrentGateway);
    visit("", 2380, c.reservedBeforeFtp);

    visit("ftpEnable", 2520, c.ftpEnable);
    visit("ftpServer", 2525, c.ftpServer);
    visit("ftpPath", 2590, c.ftpPath);
    visit("ftpDescriptionFile", 2719, c.ftpDescriptionFile);
    visit("ftpUser", 2760, c.ftpUser);
    visit("ftpPassword", 2793, c.ftpPassword);
}

} // namespace norvane
