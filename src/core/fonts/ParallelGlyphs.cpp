#include "fonts/ParallelGlyphs.h"

#include <QThread>
#include <algorithm>
#include <chrono>

namespace norvane {

namespace {

constexpr std::chrono::milliseconds kEventPassInterval{20};
constexpr int kMostWorkers = 8;

/// Western single bytes go through the Western code page; a double-byte mode reads every code, its
/// half-width single bytes included, in its Asian encoding.
const AsianGrid* decodingOf(const BitmapFontParams& params)
{
    return params.doubleByte ? &AsianGridOf(params.asianEncoding) : nullptr;
}

} // namespace

ParallelGlyphs::ParallelGlyphs(const QList<GlyphJob>& jobs, const BitmapFontParams& params)
    : m_jobs(jobs), m_fontDescription(params.font.toString()), m_pitch(params.pitch), m_cellHeight(params.cellHeight),
      m_decoding(decodingOf(params)), m_chunks(static_cast<std::size_t>((jobs.size() + kChunkSize - 1) / kChunkSize))
{
    const int workers = std::clamp(QThread::idealThreadCount(), 1, kMostWorkers);
    for (int i = 0; i < std::min<qsizetype>(workers, chunkCount()); ++i)
        m_workers.emplace_back([this] { work(); });
}

ParallelGlyphs::~ParallelGlyphs()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    for (std::thread& worker : m_workers)
        worker.join();
}

void ParallelGlyphs::work()
{
    // A font engine belongs to the thread that made it: each worker builds its own from the description.
    QFont font;
    font.fromString(m_fontDescription);
    const GlyphRenderer renderer(font);
    CodeDecoder decoder(m_decoding);
    for (;;) {
        qsizetype chunk = 0;
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] {
                return m_stopping || m_nextChunk >= chunkCount() || m_nextChunk < m_taken + kChunksAhead;
            });
            if (m_stopping || m_nextChunk >= chunkCount())
                return;
            chunk = m_nextChunk++;
        }
        std::vector<GlyphBitmap> glyphs;
        const qsizetype end = std::min(m_jobs.size(), firstJobOf(chunk) + kChunkSize);
        for (qsizetype i = firstJobOf(chunk); i < end; ++i) {
            const GlyphJob& job = m_jobs[i];
            glyphs.push_back(renderer.render(decoder.text(job.code), m_pitch, job.cellWidth, m_cellHeight));
        }
        {
            const std::lock_guard lock(m_mutex);
            m_chunks[static_cast<std::size_t>(chunk)].glyphs = std::move(glyphs);
            m_chunks[static_cast<std::size_t>(chunk)].done = true;
        }
        m_changed.notify_all();
    }
}

std::vector<GlyphBitmap> ParallelGlyphs::take(qsizetype chunk, const std::function<void()>& whileWaiting)
{
    Chunk& slot = m_chunks[static_cast<std::size_t>(chunk)];
    std::unique_lock lock(m_mutex);
    while (!m_changed.wait_for(lock, kEventPassInterval, [&slot] { return slot.done; })) {
        lock.unlock();
        whileWaiting();
        lock.lock();
    }
    std::vector<GlyphBitmap> glyphs = std::move(slot.glyphs);
    slot.glyphs = {};
    m_taken = chunk + 1;
    lock.unlock();
    m_changed.notify_all();
    return glyphs;
}

} // namespace norvane
