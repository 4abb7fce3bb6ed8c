#include "fonts/GlyphJobs.h"

namespace norvane {

namespace {

void setProgressPerGlyph(QList<GlyphJob>& jobs)
{
    for (qsizetype i = 0; i < jobs.size(); ++i)
        jobs[i].progressAfter = static_cast<int>(i * 100 / jobs.size());
}

std::optional<QList<GlyphJob>> singleByte(const BitmapFontParams& params)
{
    QList<GlyphJob> jobs;
    if (params.byTable) {
        const qsizetype entries = std::min<qsizetype>(params.tableEntries, params.codeTable.size());
        for (qsizetype i = 0; i < entries; ++i)
            jobs.append({{static_cast<unsigned char>(params.codeTable[i]), 0, false}, params.cellWidth});
    } else {
        if (params.firstCode < 0 || params.lastCode > 255 || params.lastCode < params.firstCode)
            return std::nullopt;
        for (int code = params.firstCode; code <= params.lastCode; ++code)
            jobs.append({{static_cast<unsigned char>(code), 0, false}, params.cellWidth});
    }
    setProgressPerGlyph(jobs);
    return jobs;
}

std::optional<QList<GlyphJob>> asianGrid(const BitmapFontParams& params)
{
    if (params.pitch != FontPitch::Fixed)
        return std::nullopt;
    const AsianGrid& grid = AsianGridOf(params.asianEncoding);
    QList<GlyphJob> jobs;
    const QList<GlyphCode> codes = AsianGridCodes(grid);
    jobs.reserve(codes.size());
    for (const GlyphCode& code : codes)
        jobs.append({code, code.doubleByte ? params.cellWidth : params.cellWidth / 2});
    // The bar moves after each lead byte.
    for (qsizetype i = 0; i < jobs.size(); ++i) {
        const bool lastOfLead =
            jobs[i].code.doubleByte && (i + 1 == jobs.size() || jobs[i + 1].code.lead != jobs[i].code.lead);
        if (lastOfLead)
            jobs[i].progressAfter = (jobs[i].code.lead - grid.leads.front().first) * 100 / grid.progressSpan;
    }
    return jobs;
}

std::optional<QList<GlyphJob>> asianTable(const BitmapFontParams& params)
{
    QList<GlyphJob> jobs;
    const qsizetype entries = std::min<qsizetype>(params.tableEntries, params.codeTable.size() / 2);
    for (qsizetype i = 0; i < entries; ++i) {
        const auto lead = static_cast<unsigned char>(params.codeTable[2 * i]);
        const auto trail = static_cast<unsigned char>(params.codeTable[2 * i + 1]);
        jobs.append({{lead, trail, true}, params.cellWidth});
    }
    setProgressPerGlyph(jobs);
    return jobs;
}

} // namespace

std::optional<QList<GlyphJob>> PlanGlyphs(const BitmapFontParams& params)
{
    if (!CellFitsLimits(params.cellWidth, params.cellHeight))
        return std::nullopt;
    std::optional<QList<GlyphJob>> jobs;
    if (!params.doubleByte)
        jobs = singleByte(params);
    else if (!params.byTable)
        jobs = asianGrid(params);
    else
        jobs = asianTable(params);
    // A table mode without a code would make a file of no glyph.
    if (jobs && params.byTable && jobs->isEmpty())
        return std::nullopt;
    return jobs;
}

} // namespace norvane
