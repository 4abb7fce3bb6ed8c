#include "config/ConfigFaults.h"

#include "config/ConfigFields.h"
#include "config/LengthUnits.h"

#include <cmath>

namespace norvane {

namespace {

/// Also false for NaN and infinity.
bool usableDotsPerUnit(double dotsPerUnit, double minimum)
{
    return std::isfinite(dotsPerUnit) && dotsPerUnit >= minimum;
}

class FaultFinder
{
public:
    template <typename Field> void operator()(const char* name, qsizetype, const Field& field)
    {
        if (!m_fault)
            check(name, field);
    }

    std::optional<ConfigFault> fault() const { return m_fault; }

private:
    void fail(const char* name, const char* problem)
    {
        m_fault = ConfigFault{QLatin1String(name), QLatin1String(problem)};
    }

    // Every one-byte field of the record is a flag: dpiValid, unitIsInch and the presence bytes.
    void check(const char* name, std::uint8_t flag)
    {
        if (flag > 1)
            fail(name, "must be 0 or 1");
    }

    void check(const char* name, float value) { checkValue(name, value); }

    template <typename Value> void check(const char* name, const ConfigItem<Value>& item)
    {
        if (item.valid > 1)
            fail(name, "has a valid flag other than 0 and 1");
        else
            checkValue(name, item.value);
    }

    void checkValue(const char* name, float value)
    {
        if (!std::isfinite(value))
            fail(name, "must be a finite number");
    }
    template <typename Value> void checkValue(const char*, const Value&) {}

    void check(const char*, std::int32_t) {}
    template <std::size_t N> void check(const char*, const TextField<N>&) {}
    template <std::size_t N> void check(const char*, const ReservedBytes<N>&) {}

    std::optional<ConfigFault> m_fault;
};

} // namespace

std::optional<ConfigFault> FindConfigFault(const PrinterConfig& config)
{
    FaultFinder finder;
    ForEachConfigField(config, finder);
    if (finder.fault())
        return finder.fault();
    if (!usableDotsPerUnit(config.dpi, kMinimumDpi))
        return ConfigFault{QStringLiteral("dpi"), QStringLiteral("must be at least %1 dots per inch").arg(kMinimumDpi)};
    if (!usableDotsPerUnit(config.dotsPerMm, kMinimumDotsPerMm))
        return ConfigFault{QStringLiteral("dotsPerMm"),
                           QStringLiteral("must be at least %1 dots per millimetre").arg(kMinimumDotsPerMm)};
    return std::nullopt;
}

} // namespace norvane
