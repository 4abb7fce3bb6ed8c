#include "PrinterProfile.h"

namespace norvane::sim {

namespace {

using Reports = QMap<QByteArray, QByteArray>;

void add(Reports& reports, std::initializer_list<std::pair<const char*, const char*>> entries)
{
    for (const auto& [key, value] : entries)
        reports[key] = value;
}

} // namespace

QMap<QByteArray, QByteArray> FactoryReports(int edition)
{
    Reports reports;
    add(reports, {{"DPI", "203"},
                  {"VERSION", "V2.03A NORVANE"},
                  {"MILAGE", "12.5"},
                  {"CHECKSUM", "7A3F9C21"},
                  {"SPEED", "4.0"},
                  {"DENSITY", "8"},
                  {"DENSITYBASE", "0"},
                  {"PAPERWIDTH", "812.00"},
                  {"PAPERHEIGHT", "406.00"},
                  {"SENSORMODE", "0"},
                  {"GAPSIZE", "24.00"},
                  {"GAPOFFSET", "0.00"},
                  {"PRINTOUT", "0"},
                  {"CUTTERPIECE", "0"},
                  {"REFERENCEX", "0"},
                  {"REFERENCEY", "0"},
                  {"DIRCTION", "0"},
                  {"MIRROR", "0"},
                  {"OFFSET", "0"},
                  {"OFFSETBASE", "0"},
                  {"SHIFT", "0"},
                  {"SHIFTBASE", "0"},
                  {"RIBBON", "1"},
                  {"CODEPAGE", "850"},
                  {"COUNTRY", "001"},
                  {"HEAD", "1"},
                  {"GAPINTEN", "5"},
                  {"BLINEINTEN", "7"},
                  {"CONINTEN", "3"},
                  {"BAUDRATE", "9600"},
                  {"DATABIT", "8"},
                  {"PARITY", "None"},
                  {"STOPBIT", "1"},
                  {"ACT_EMULATION", "0"}});
    // Edition 0 stands for the oldest printers, which answer none of these.
    if (edition == 0)
        return reports;
    add(reports, {{"REPRINT", "1"}, {"SHIFTX", "0"}, {"SHIFTXBASE", "0"}});
    reports["EDITION"] = QByteArray::number(edition);
    if (edition >= 100) {
        add(reports,
            {{"ZDARKNESS", "15"},      {"ZSPEED", "C"},         {"ZPOSITION", "0"},     {"ZPRINTMODE", "T"},
             {"ZLABELWIDTH", "812"},   {"ZCONTROL", "~"},       {"ZFORMAT", "^"},       {"ZDELIMITER", ","},
             {"ZFEEDPOWERUP", "C"},    {"ZFEEDHEADCLOSE", "C"}, {"ZLABELTOP", "0"},     {"ZLABELSHIFT", "0"},
             {"DHEAT", "10"},          {"DSPEED", "G"},         {"DLABELWIDTH", "812"}, {"DPRESENTSENSOR", "N"},
             {"DCUTTEREQUIPPED", "N"}, {"DCONTROLCODES", "S"},  {"DCOLUMNOFFSET", "0"}, {"DROWOFFSET", "0"}});
    }
    if (edition > 100)
        reports["PASSWORD"] = "";
    if (edition >= 102)
        add(reports, {{"CUTCOUNTER", "0"}, {"MAXLENGTH", "2030.00"}});
    if (edition >= 103) {
        add(reports, {{"RESETMILAGE", "0.0"},
                      {"RESETCUTCOUNTER", "0"},
                      {"RIBBONSENSOR", "1"},
                      {"RIBBONENCODER", "1"},
                      {"AUTOTHRESHOLD", "1"}});
    }
    if (edition >= 104)
        reports["THRESHOLD"] = "0";
    if (edition >= 105) {
        add(reports, {{"ISBT", "1"},
                      {"BTPINCODE", "0000"},
                      {"BTNAME", "NORVANE-BT"},
                      {"ISWIFI", "1"},
                      {"WIFISSID", ""},
                      {"WIFIWPA", ""},
                      {"WIFIWEP", ""},
                      {"WIFIKEYINDEX", "1"},
                      {"WIFIIP", "0.0.0.0"},
                      {"WIFIMASK", "0.0.0.0"},
                      {"WIFIGATEWAY", "0.0.0.0"},
                      {"WIFIPRINTNAME", "NORVANE"},
                      {"WIFIFREQ", "2.4"},
                      {"WIFIROAMTRIG", "-70"},
                      {"WIFIROAMDELTA", "5"},
                      {"WIFIRAWPORT", "9100"}});
    }
    if (edition >= 106) {
        add(reports, {{"WIFISECUR", "0"},
                      {"WIFIEAP", "0"},
                      {"WIFIUSERNAME", ""},
                      {"WIFIPASSWD", ""},
                      {"WIFICACERT", ""},
                      {"WIFICLTCERT", ""},
                      {"WIFIPRIVKEY", ""},
                      {"WIFIMAC", "00:1B:82:4C:00:01"},
                      {"WIFICIP", "192.168.1.57"},
                      {"WIFICMASK", "255.255.255.0"},
                      {"WIFICGATEWAY", "192.168.1.1"},
                      {"FTPCENABLE", "0"},
                      {"UPDFTPSRV", ""},
                      {"UPDFTPPATH", ""},
                      {"UPDDESCFILE", ""},
                      {"UPDFTPID", ""},
                      {"UPDFTPPWD", ""}});
    }
    if (edition >= 107)
        add(reports, {{"BTVERSION", "4.2"}, {"BTLOCALMAC", "00:1B:82:4C:00:02"}});
    if (edition >= 108)
        reports["LANGUAGE"] = "ENGLISH";
    return reports;
}

} // namespace norvane::sim
