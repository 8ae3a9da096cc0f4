#include "colour/Recolourer.h"

#include "platform/PlatformError.h"

#include <algorithm>
#include <cstring>
#include <utility>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr QImage::Format Rgb24 = QImage::Format_RGB888;

// The addends repeated over 48 bytes (16 pixels of R, G, B), so whole rows go through a
// saturating add and subtract of 16 bytes at a time. A negative amount is a saturating
// subtract; only one of the two is ever non-zero per channel, so the result is exact.
struct ChannelPattern
{
    alignas(16) uchar add[48];
    alignas(16) uchar sub[48];
    bool subtracts = false;

    ChannelPattern(int red, int green, int blue)
    {
        const int amounts[3] = {red, green, blue};
        for (int i = 0; i < 48; ++i) {
            const int amount = amounts[i % 3];
            add[i] = static_cast<uchar>(std::clamp(amount, 0, 255));
            sub[i] = static_cast<uchar>(std::clamp(-amount, 0, 255));
            subtracts = subtracts || sub[i] != 0;
        }
    }
};

void addClampedRow(const uchar *source, uchar *target, qsizetype bytes, const ChannelPattern &pattern)
{
    qsizetype i = 0;
#if defined(__SSE2__)
    const __m128i add0 = _mm_load_si128(reinterpret_cast<const __m128i *>(pattern.add));
    const __m128i add1 = _mm_load_si128(reinterpret_cast<const __m128i *>(pattern.add + 16));
    const __m128i add2 = _mm_load_si128(reinterpret_cast<const __m128i *>(pattern.add + 32));
    if (!pattern.subtracts) {
        for (; i + 48 <= bytes; i += 48) {
            const auto *in = reinterpret_cast<const __m128i *>(source + i);
            auto *out = reinterpret_cast<__m128i *>(target + i);
            _mm_storeu_si128(out, _mm_adds_epu8(_mm_loadu_si128(in), add0));
            _mm_storeu_si128(out + 1, _mm_adds_epu8(_mm_loadu_si128(in + 1), add1));
            _mm_storeu_si128(out + 2, _mm_adds_epu8(_mm_loadu_si128(in + 2), add2));
        }
    } else {
        const __m128i sub0 = _mm_load_si128(reinterpret_cast<const __m128i *>(pattern.sub));
        const __m128i sub1 = _mm_load_si128(reinterpret_cast<const __m128i *>(pattern.sub + 16));
        const __m128i sub2 = _mm_load_si128(reinterpret_cast<const __m128i *>(pattern.sub + 32));
        for (; i + 48 <= bytes; i += 48) {
            const auto *in = reinterpret_cast<const __m128i *>(source + i);
            auto *out = reinterpret_cast<__m128i *>(target + i);
            _mm_storeu_si128(out, _mm_subs_epu8(_mm_adds_epu8(_mm_loadu_si128(in), add0), sub0));
            _mm_storeu_si128(out + 1, _mm_subs_epu8(_mm_adds_epu8(_mm_loadu_si128(in + 1), add1), sub1));
            _mm_storeu_si128(out + 2, _mm_subs_epu8(_mm_adds_epu8(_mm_loadu_si128(in + 2), add2), sub2));
        }
    }
    // The rest in blocks of 16, the pattern carrying on where the 48-byte blocks left it;
    // the last partial block goes through a small buffer.
    for (int block = 0; i < bytes; ++block, i += 16) {
        const __m128i add = _mm_load_si128(reinterpret_cast<const __m128i *>(pattern.add + 16 * block));
        const __m128i sub = _mm_load_si128(reinterpret_cast<const __m128i *>(pattern.sub + 16 * block));
        const qsizetype count = std::min<qsizetype>(16, bytes - i);
        alignas(16) uchar buffer[16] = {};
        std::memcpy(buffer, source + i, size_t(count));
        auto *block16 = reinterpret_cast<__m128i *>(buffer);
        _mm_store_si128(block16, _mm_subs_epu8(_mm_adds_epu8(_mm_load_si128(block16), add), sub));
        std::memcpy(target + i, buffer, size_t(count));
    }
#else
    for (; i < bytes; ++i) {
        const int value = source[i] + pattern.add[i % 48] - pattern.sub[i % 48];
        target[i] = static_cast<uchar>(std::clamp(value, 0, 255));
    }
#endif
}

} // namespace

void addClampedRgb(const QImage &source, QImage &target, int red, int green, int blue)
{
    const ChannelPattern pattern(red, green, blue);
    const qsizetype rowBytes = qsizetype(source.width()) * 3;
    // Read through the const pointer first: taking the writable one of a shared picture
    // copies it.
    const uchar *in = source.constBits();
    uchar *out = target.bits();
    if (&source == &target)
        in = out;
    if (source.bytesPerLine() == rowBytes && target.bytesPerLine() == rowBytes) {
        addClampedRow(in, out, rowBytes * source.height(), pattern); // rows without padding: one run
        return;
    }
    for (int y = 0; y < source.height(); ++y) {
        addClampedRow(in + y * source.bytesPerLine(), out + y * target.bytesPerLine(), rowBytes, pattern);
    }
}

bool Recolourer::undo(QImage &bitmap) const
{
    if (m_copies.empty())
        return false;
    bitmap = m_copies.back();
    return true;
}

void Recolourer::intensityRgbAll(QImage &bitmap, int red, int green, int blue)
{
    // Get the pixels to write first, so running out of memory changes nothing.
    QImage target;
    if (!bitmap.isNull()) {
        target = bitmap.format() == Rgb24 ? writableBuffer(bitmap.size()) : bitmap.convertToFormat(Rgb24);
        if (target.isNull())
            throw PlatformError(QStringLiteral("Out of memory"));
    }

    // The copy shares the bitmap's pixels until one of them is written.
    while (m_copies.size() >= UndoLimit)
        m_copies.pop_front();
    m_copies.push_back(bitmap);

    if (bitmap.isNull())
        return;
    if (bitmap.format() == Rgb24) {
        target.setDotsPerMeterX(bitmap.dotsPerMeterX());
        target.setDotsPerMeterY(bitmap.dotsPerMeterY());
        addClampedRgb(bitmap, target, red, green, blue);
    } else {
        addClampedRgb(target, target, red, green, blue);
    }
    bitmap = std::move(target);
}

void Recolourer::recycle(QImage &&bitmap)
{
    if (bitmap.format() == Rgb24)
        m_spare = std::move(bitmap);
}

QImage Recolourer::writableBuffer(QSize size)
{
    // The spare is used only when nothing else shares it; writing into shared pixels would
    // copy them first.
    if (m_spare.size() == size && m_spare.format() == Rgb24 && m_spare.isDetached())
        return std::exchange(m_spare, QImage());
    m_spare = QImage();
    return QImage(size, Rgb24);
}
