#pragma once

#include "fonts/BitmapFontParams.h"
#include "fonts/GlyphJobs.h"
#include "fonts/GlyphRenderer.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace norvane {

/// Draws a font's glyphs on worker threads, a chunk at a time, while the owner takes the chunks in file
/// order. Workers stay a bounded number of chunks ahead of the owner, so memory stays small whatever the
/// font's size.
class ParallelGlyphs
{
public:
    ParallelGlyphs(const QList<GlyphJob>& jobs, const BitmapFontParams& params);
    /// Stops the workers; chunks not taken are dropped.
    ~ParallelGlyphs();
    ParallelGlyphs(const ParallelGlyphs&) = delete;
    ParallelGlyphs& operator=(const ParallelGlyphs&) = delete;

    qsizetype chunkCount() const { return m_chunks.size(); }
    qsizetype firstJobOf(qsizetype chunk) const { return chunk * kChunkSize; }

    /// The chunk's glyphs, in job order; calls `whileWaiting` between short waits until they are drawn.
    std::vector<GlyphBitmap> take(qsizetype chunk, const std::function<void()>& whileWaiting);

private:
    static constexpr qsizetype kChunkSize = 64;
    static constexpr qsizetype kChunksAhead = 32;

    struct Chunk
    {
        std::vector<GlyphBitmap> glyphs;
        bool done = false;
    };

    void work();

    const QList<GlyphJob>& m_jobs;
    QString m_fontDescription;
    FontPitch m_pitch;
    int m_cellHeight;
    const AsianGrid* m_decoding;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<Chunk> m_chunks;
    qsizetype m_nextChunk = 0;
    qsizetype m_taken = 0;
    bool m_stopping = false;
    std::vector<std::thread> m_workers;
};

} // namespace norvane
