#include "PrinterProfile.h"

namespace norvane::sim {

QMap<QByteArray, QByteArray> FactoryReports(int edition)
{
    QMap<QByteArray, QByteArray> reports;
    reports["EDITION"] = QByteArray::number(edition);
    reports["ACT_EMULATION"] = "0";
    if (edition > 100)
        reports["PASSWORD"] = "";
    return reports;
}

} // namespace norvane::sim
