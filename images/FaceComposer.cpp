#include "images/FaceComposer.h"

#include <new>
#include <vector>

#include "images/PackedPicture.h"
#include "images/PreviewBmp.h"

// Where a sample falls and how it is weighted are defined in single precision: they depend on every
// step being rounded to float. The x87 unit of a 32-bit build would keep extra precision and move
// cell boundaries, so such a build does this file's arithmetic in SSE registers. Functions built that way are
// not inlined into others, so the ones marked call nothing but each other and work on raw pointers.
#if defined(__i386__) && !defined(__SSE2_MATH__)
#define SSE_ARITHMETIC __attribute__((target("sse2,fpmath=sse")))
#else
#define SSE_ARITHMETIC
#endif

namespace {
// Where one output column (or row) samples the picture along that axis.
struct AxisSample {
    bool inside;        // the sample's cell lies within the picture
    int near;           // x0 (y0): the picture column (row) at or before the sample
    int far;            // x1 (y1): the one after it, clamped to the picture
    double weight;      // tx (ty): the weight of far, a float
    double nearWeight;  // 1 - tx (1 - ty), exact
};

SSE_ARITHMETIC AxisSample axisSample(int i, int outputSize, int pictureSize) {
    const float scale = float(outputSize) / float(pictureSize);
    const int half = pictureSize / 2;
    const float f = float(i - outputSize / 2) / scale;
    // A sample exactly on a cell edge at or left of the centre belongs to the cell before it.
    const int cell = f > 0 ? int(f) : int(f) - 1;
    const float weight = f - float(cell);
    const int last = pictureSize - 1;
    // Inside, cell + half is at most the last column; only the one after it needs clamping.
    return {-half <= cell && cell < half, cell + half, cell + half + 1 < last ? cell + half + 1 : last,
            weight, 1.0 - double(weight)};
}

// The weighting itself runs in double: every product and sum of an 8-bit channel with the float
// weights is then exact or nearly so, and an even area keeps its colour. In float, P * (1 - t) + P * t
// falls just short of P for many t and the truncation would darken the picture by one step there.
SSE_ARITHMETIC uint32_t blend(uint32_t lowerNear, uint32_t lowerFar, uint32_t upperNear, uint32_t upperFar,
                              const AxisSample& x, const AxisSample& y) {
    uint32_t colour = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const double p00 = lowerNear >> shift & 0xFF, p10 = lowerFar >> shift & 0xFF;
        const double p01 = upperNear >> shift & 0xFF, p11 = upperFar >> shift & 0xFF;
        const double value = (p01 * x.nearWeight + p11 * x.weight) * y.weight +
                             (p00 * x.nearWeight + p10 * x.weight) * y.nearWeight;
        // Each axis's two weights lie in 0-1 and sum to 1, so the value stays within 0-255.
        colour |= uint32_t(value) << shift;
    }
    return colour;
}

// One face row j: y tells where it samples the picture, lower and upper are the picture rows y0 and
// y1 (only read when y is inside), current the colour carried from sample to sample.
SSE_ARITHMETIC void composeRow(const AxisSample& y, const uint32_t* lower, const uint32_t* upper,
                               const AxisSample* columns, const uint32_t* maskRow, uint8_t* out,
                               uint32_t& current) {
    for (int i = 0; i < faceWidth; ++i, out += 3) {
        const AxisSample& x = columns[i];
        if (y.inside && x.inside) {
            current = blend(lower[x.near], lower[x.far], upper[x.near], upper[x.far], x, y);
        }
        const uint32_t colour = maskRow[i] == MaskGrid::showsPicture ? current : maskRow[i];
        out[0] = uint8_t(colour >> 16);
        out[1] = uint8_t(colour >> 8);
        out[2] = uint8_t(colour);
    }
}

std::vector<AxisSample> axisSamples(int outputSize, int pictureSize) {
    std::vector<AxisSample> samples;
    samples.reserve(size_t(outputSize));
    for (int i = 0; i < outputSize; ++i) samples.push_back(axisSample(i, outputSize, pictureSize));
    return samples;
}

void reportRow(int row, const ConversionProgress& progress) {
    if (progress) progress(int(100 * row * 0.0018552876));
}
}  // namespace

ImageError makeFaceFromPicture(const DibImage& picture, const MaskGrid& mask, DibImage& face,
                               const ConversionProgress& progress) {
    if (!picture.isComplete()) return ImageError::damaged;
    const int width = picture.width();
    std::vector<uint32_t> packed;
    DibImage composed;
    try {
        packed = unpackPicture(picture);
        composed = DibImage::create24(faceWidth, faceHeight);
    } catch (const std::bad_alloc&) {
        return ImageError::noMemory;
    }
    const std::vector<AxisSample> columns = axisSamples(faceWidth, width);
    const std::vector<AxisSample> rows = axisSamples(faceHeight, picture.height());

    // A sample outside the picture repeats the last colour sampled inside it. Before the first one
    // there is none; the picture's bottom-left pixel, the nearest to the first face pixel, stands in.
    uint32_t current = packed[0];
    for (int j = 0; j < faceHeight; ++j) {
        const AxisSample& y = rows[size_t(j)];
        const uint32_t* lower = y.inside ? &packed[size_t(y.near) * size_t(width)] : nullptr;
        const uint32_t* upper = y.inside ? &packed[size_t(y.far) * size_t(width)] : nullptr;
        composeRow(y, lower, upper, columns.data(), mask.row(j), composed.pixelAt(0, j), current);
        reportRow(j, progress);
    }
    face = std::move(composed);
    return ImageError::none;
}
