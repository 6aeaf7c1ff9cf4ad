#include "EscapeColumns.h"

#include <immintrin.h>

namespace EscapeTime {
namespace {

constexpr int Lanes = 4;
constexpr int AllLanes = (1 << Lanes) - 1;

bool hasVectorUnit() {
    static const bool avx2 = __builtin_cpu_supports("avx2");
    return avx2;
}

// Sets x 4 points of mandelPoint side by side, in sets of four so that one set's
// steps overlap the others'. A lane that has finished goes on computing, unseen,
// until all have.
template <int Sets>
__attribute__((target("avx2"))) void mandelLanes(double x0, const double* y0, int limit,
                                                 Escape* out) {
    constexpr int Width = Sets * Lanes;
    constexpr unsigned Everything = (1u << Width) - 1;
    const __m256d cx = _mm256_set1_pd(x0);
    const __m256d two = _mm256_set1_pd(2);
    const __m256d inside = _mm256_set1_pd(SurelyInside);
    __m256d cy[Sets], x[Sets], y[Sets], m[Sets];
    for (int s = 0; s < Sets; ++s) {
        cy[s] = _mm256_loadu_pd(y0 + s * Lanes);
        x[s] = _mm256_setzero_pd();
        y[s] = _mm256_setzero_pd();
    }
    unsigned done = 0;
    for (int k = 1;; ++k) {
        unsigned near = 0;
        for (int s = 0; s < Sets; ++s) {
            const __m256d nextX = _mm256_add_pd(
                _mm256_sub_pd(_mm256_mul_pd(x[s], x[s]), _mm256_mul_pd(y[s], y[s])), cx);
            y[s] = _mm256_add_pd(_mm256_mul_pd(_mm256_mul_pd(two, x[s]), y[s]), cy[s]);
            x[s] = nextX;
            m[s] = _mm256_add_pd(_mm256_mul_pd(x[s], x[s]), _mm256_mul_pd(y[s], y[s]));
            near |=
                static_cast<unsigned>(_mm256_movemask_pd(_mm256_cmp_pd(m[s], inside, _CMP_GT_OQ)))
                << (s * Lanes);
        }
        near &= ~done;
        if (near == 0 && k <= limit) {
            continue;
        }
        alignas(32) double xs[Width], ys[Width], ms[Width];
        for (int s = 0; s < Sets; ++s) {
            _mm256_store_pd(xs + s * Lanes, x[s]);
            _mm256_store_pd(ys + s * Lanes, y[s]);
            _mm256_store_pd(ms + s * Lanes, m[s]);
        }
        for (int lane = 0; lane < Width; ++lane) {
            const unsigned bit = 1u << lane;
            if (done & bit) {
                continue;
            }
            if (k > limit || ms[lane] > SurelyOutside) {
                out[lane] = {k, smallPictureR(xs[lane], ys[lane])};
                done |= bit;
            } else if (near & bit) {
                const double r = smallPictureR(xs[lane], ys[lane]);
                if (r > EscapeBound) {
                    out[lane] = {k, r};
                    done |= bit;
                }
            }
        }
        if (done == Everything) {
            return;
        }
    }
}

// Records the lanes that leave at step k (those escaping, or all once k passes the
// limit) with their r; true when every lane has left.
__attribute__((target("avx2"))) inline bool recordLeaving(int escaping, int k, int limit, __m256d r,
                                                          Escape* out, int& done) {
    const int leaving = (k > limit ? AllLanes : escaping) & ~done;
    if (leaving == 0) {
        return false;
    }
    alignas(32) double rs[Lanes];
    _mm256_store_pd(rs, r);
    for (int lane = 0; lane < Lanes; ++lane) {
        if (leaving & (1 << lane)) {
            out[lane] = {k, rs[lane]};
        }
    }
    done |= leaving;
    return done == AllLanes;
}

// Four points of mirroredMandelPoint side by side.
__attribute__((target("avx2"))) void mirrored4(double x0, const double* y0, int limit,
                                               Escape* out) {
    const __m256d cx = _mm256_set1_pd(x0);
    const __m256d cy = _mm256_loadu_pd(y0);
    const __m256d two = _mm256_set1_pd(2);
    const __m256d bound = _mm256_set1_pd(EscapeBound);
    __m256d x = _mm256_setzero_pd();
    __m256d y = _mm256_setzero_pd();
    int done = 0;
    for (int k = 1;; ++k) {
        const __m256d nextX =
            _mm256_add_pd(_mm256_sub_pd(_mm256_mul_pd(x, x), _mm256_mul_pd(y, y)), cx);
        y = _mm256_sub_pd(_mm256_mul_pd(_mm256_mul_pd(two, x), y), cy);
        x = nextX;
        const __m256d r = _mm256_add_pd(_mm256_mul_pd(x, x), _mm256_mul_pd(y, y));
        const int escaping = _mm256_movemask_pd(_mm256_cmp_pd(r, bound, _CMP_GT_OQ));
        if (recordLeaving(escaping, k, limit, r, out, done)) {
            return;
        }
    }
}

// Four points of juliaPoint side by side; r is the modulus before the step.
__attribute__((target("avx2"))) void julia4(double zx0, const double* zy0, double cx, double cy,
                                            int limit, Escape* out) {
    const __m256d vcx = _mm256_set1_pd(cx);
    const __m256d vcy = _mm256_set1_pd(cy);
    const __m256d two = _mm256_set1_pd(2);
    const __m256d bound = _mm256_set1_pd(JuliaEscapeBound);
    __m256d zx = _mm256_set1_pd(zx0);
    __m256d zy = _mm256_loadu_pd(zy0);
    int done = 0;
    for (int k = 1;; ++k) {
        const __m256d sx = _mm256_mul_pd(zx, zx);
        const __m256d sy = _mm256_mul_pd(zy, zy);
        zy = _mm256_add_pd(_mm256_mul_pd(_mm256_mul_pd(two, zx), zy), vcy);
        zx = _mm256_add_pd(_mm256_sub_pd(sx, sy), vcx);
        const __m256d r = _mm256_add_pd(sx, sy);
        // Not below the bound, as the loop's own test reads (so NaN leaves too).
        const int escaping = _mm256_movemask_pd(_mm256_cmp_pd(r, bound, _CMP_NLT_UQ));
        if (recordLeaving(escaping, k, limit, r, out, done)) {
            return;
        }
    }
}

// One point after another, where there is no vector unit and for the rows left over.
void mandelColumnPlain(double x0, const double* y0, int count, int limit, Escape* out) {
    for (int i = 0; i < count; ++i) {
        out[i] = mandelPoint(x0, y0[i], limit);
    }
}

}  // namespace

void mandelColumn(double x0, const double* y0, int count, int limit, Escape* out) {
    int i = 0;
    if (hasVectorUnit()) {
        for (; i + 3 * Lanes <= count; i += 3 * Lanes) {
            mandelLanes<3>(x0, y0 + i, limit, out + i);
        }
        for (; i + Lanes <= count; i += Lanes) {
            mandelLanes<1>(x0, y0 + i, limit, out + i);
        }
    }
    mandelColumnPlain(x0, y0 + i, count - i, limit, out + i);
}

void mirroredColumn(double x0, const double* y0, int count, int limit, Escape* out) {
    int i = 0;
    if (hasVectorUnit()) {
        for (; i + Lanes <= count; i += Lanes) {
            mirrored4(x0, y0 + i, limit, out + i);
        }
    }
    for (; i < count; ++i) {
        out[i] = mirroredMandelPoint(x0, y0[i], limit);
    }
}

void juliaColumn(double zx, const double* zy, int count, double cx, double cy, int limit,
                 Escape* out) {
    int i = 0;
    if (hasVectorUnit()) {
        for (; i + Lanes <= count; i += Lanes) {
            julia4(zx, zy + i, cx, cy, limit, out + i);
        }
    }
    for (; i < count; ++i) {
        out[i] = juliaPoint(zx, zy[i], cx, cy, limit);
    }
}

}  // namespace EscapeTime
