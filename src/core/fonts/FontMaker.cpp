#include "fonts/FontMaker.h"

#include "fonts/FontHeader.h"
#include "fonts/GlyphJobs.h"
#include "fonts/ParallelGlyphs.h"
#include "link/Progress.h"

#include <QSaveFile>

namespace norvane {

namespace {

void putIndexEntry(QByteArray& index, qsizetype entry, const GlyphCode& code, quint32 offset)
{
    const qsizetype at = entry * kIndexEntrySize;
    index[at] = static_cast<char>(code.lead);
    index[at + 1] = static_cast<char>(code.doubleByte ? code.trail : 0);
    for (int i = 0; i < 4; ++i)
        index[at + 2 + i] = static_cast<char>((offset >> (8 * i)) & 0xFF);
}

/// Writes every glyph record after the header and the index placeholder, filling `index` on the way.
bool writeGlyphs(QSaveFile& file, const QList<GlyphJob>& jobs, const BitmapFontParams& params, QByteArray& index,
                 Progress& progress)
{
    const bool variable = params.pitch == FontPitch::Variable;
    quint32 offset = kFontHeaderSize + static_cast<quint32>(index.size());
    ParallelGlyphs glyphs(jobs, params);
    const auto passEvents = [&progress] {
        progress.PassEvents();
    };
    for (qsizetype chunk = 0; chunk < glyphs.chunkCount(); ++chunk) {
        qsizetype job = glyphs.firstJobOf(chunk);
        QByteArray records;
        for (const GlyphBitmap& glyph : glyphs.take(chunk, passEvents)) {
            if (!index.isEmpty())
                putIndexEntry(index, job, jobs[job].code, offset);
            if (variable) {
                records.append(static_cast<char>(glyph.width & 0xFF));
                records.append(static_cast<char>((glyph.width >> 8) & 0xFF));
            }
            records.append(glyph.bits);
            offset += (variable ? 2 : 0) + static_cast<quint32>(glyph.bits.size());
            if (jobs[job].progressAfter >= 0)
                progress.StepProgress(ProgressMode::Percentage, jobs[job].progressAfter);
            ++job;
        }
        if (file.write(records) != records.size())
            return false;
        progress.PassEvents();
    }
    return true;
}

bool writeFont(QSaveFile& file, const QList<GlyphJob>& jobs, const BitmapFontParams& params, Progress& progress)
{
    BitmapFontParams counted = params;
    counted.characterCount = static_cast<std::int32_t>(jobs.size());
    QByteArray index(FontHasIndex(params) ? jobs.size() * kIndexEntrySize : 0, '\0');
    if (file.write(BuildFontHeader(counted)) != kFontHeaderSize || file.write(index) != index.size())
        return false;
    if (!writeGlyphs(file, jobs, params, index, progress))
        return false;
    if (index.isEmpty())
        return true;
    return file.seek(kFontHeaderSize) && file.write(index) == index.size();
}

} // namespace

bool MakeFont(const BitmapFontParams& params, Progress& progress)
{
    const std::optional<QList<GlyphJob>> jobs = PlanGlyphs(params);
    if (!jobs)
        return false;
    progress.ShowProgress(ProgressMode::Percentage, 0, 0, kMakingFontCaption);
    QSaveFile file(params.outputPath);
    const bool made = file.open(QIODevice::WriteOnly) && writeFont(file, *jobs, params, progress) && file.commit();
    progress.HideProgress();
    return made;
}

} // namespace norvane
