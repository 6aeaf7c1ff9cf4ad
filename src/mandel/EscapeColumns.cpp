// A column's points run on three vectors of lanes side by side, so that one vector's
// steps overlap the others'. When a point leaves, its lane takes the column's next
// point, so the lanes stay busy however unequal the points' cycle counts are; a lane
// whose cycles have run out is set aside idle until the next look at the lanes, so
// that such lanes are looked at together. Each lane does exactly the point function's
// multiplies and adds (never a fused multiply-add), so its point leaves at the same
// step in the same state. The escapes are worked out from those states at the end.
#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "mandel/EscapeColumns.cpp"
#include "EscapeColumns.h"

#include <hwy/foreach_target.h>  // IWYU pragma: keep
#include <hwy/highway.h>

#include <cmath>
#include <cstdint>
#include <vector>

HWY_BEFORE_NAMESPACE();
namespace EscapeTime {
namespace HWY_NAMESPACE {
namespace hn = hwy::HWY_NAMESPACE;

// At most eight lanes a vector, so that every lane of the three vectors has a bit in
// a 32-bit word.
constexpr int MaxLanesPerSet = 8;
using D = hn::CappedTag<double, MaxLanesPerSet>;
using V = hn::Vec<D>;
using M = hn::Mask<D>;

// The three formulas. Each lane holds its point's x and y and the constant p + i q
// it iterates with. step() advances one cycle and returns the r that is tested;
// near() marks the lanes that leave or may leave; finish() gives the escapes of the
// column's points from the states they left their lanes in (near, or out of cycles).
// 2 x is written x + x: both are exact, so the result is the same. An idle lane holds
// zeros, which stay zero and are never near.

// The Mandelbrot set's points, p + i q = x0 + i y0 from 0; the mirror point subtracts q.
template <bool Mirrored>
struct FromZero {
    double x0;
    const double* y0;
    void start(int point, double& x, double& y, double& p, double& q) const {
        x = y = 0;
        p = x0;
        q = y0[point];
    }
    static HWY_INLINE V step(V& x, V& y, V p, V q) {
        const V nextX = hn::Add(hn::Sub(hn::Mul(x, x), hn::Mul(y, y)), p);
        const V twoXY = hn::Mul(hn::Add(x, x), y);
        y = Mirrored ? hn::Sub(twoXY, q) : hn::Add(twoXY, q);
        x = nextX;
        return hn::Add(hn::Mul(x, x), hn::Mul(y, y));
    }
    static HWY_INLINE M near(V m, V bound) { return hn::Gt(m, bound); }
};

// A point's state when it left its lane.
struct Leaving {
    double x, y, r;
    int k;
};

// mandelPoint. The cosines of the column's points are taken in their order, and then
// the sines: from one point to the next the library takes the same branches, which
// then run about twice as fast as in a mixed order.
struct SmallPicture : FromZero<false> {
    static constexpr double Near = SurelyInside;
    void finish(const std::vector<Leaving>& left, int limit, Escape* out) const {
        const std::size_t count = left.size();
        std::vector<double> cosX(count), sinY(count);
        for (std::size_t point = 0; point < count; ++point) {
            cosX[point] = std::cos(left[point].x);
        }
        for (std::size_t point = 0; point < count; ++point) {
            sinY[point] = std::sin(left[point].y);
        }
        for (std::size_t point = 0; point < count; ++point) {
            const Leaving& at = left[point];
            const double r = smallPictureR(at.x, at.y, cosX[point], sinY[point]);
            out[point] = mandelLeaves(r, at.k > limit)
                             ? Escape{at.k, r}
                             : mandelFrom(at.x, at.y, x0, y0[point], at.k, limit);
        }
    }
};

// The other formulas leave with the r the lanes test.
void finishWithR(const std::vector<Leaving>& left, Escape* out) {
    for (std::size_t point = 0; point < left.size(); ++point) {
        out[point] = {left[point].k, left[point].r};
    }
}

// mirroredMandelPoint.
struct MirroredPicture : FromZero<true> {
    static constexpr double Near = EscapeBound;
    void finish(const std::vector<Leaving>& left, int, Escape* out) const {
        finishWithR(left, out);
    }
};

// juliaPoint: p + i q = cx + i cy, from zx + i zy.
struct JuliaPicture {
    double zx;
    const double* zy;
    double cx, cy;
    void start(int point, double& x, double& y, double& p, double& q) const {
        x = zx;
        y = zy[point];
        p = cx;
        q = cy;
    }
    static constexpr double Near = JuliaEscapeBound;
    static HWY_INLINE V step(V& x, V& y, V p, V q) {
        const V sx = hn::Mul(x, x);
        const V sy = hn::Mul(y, y);
        y = hn::Add(hn::Mul(hn::Add(x, x), y), q);
        x = hn::Add(hn::Sub(sx, sy), p);
        return hn::Add(sx, sy);
    }
    static HWY_INLINE M near(V r, V bound) { return hn::Not(hn::Lt(r, bound)); }
    void finish(const std::vector<Leaving>& left, int, Escape* out) const {
        finishWithR(left, out);
    }
};

constexpr int Sets = 3;
constexpr int MaxLanes = Sets * MaxLanesPerSet;

// The state of the lanes at one step, set after set. k counts a lane's cycles (exact
// in a double); an idle lane's k is minus infinity, so its cycles never run out.
struct Snapshot {
    HWY_ALIGN double x[MaxLanes], y[MaxLanes], r[MaxLanes], k[MaxLanes];

    void store(D d, int set, V vx, V vy, V vr, V vk) {
        const int at = set * static_cast<int>(hn::Lanes(d));
        hn::Store(vx, d, x + at);
        hn::Store(vy, d, y + at);
        hn::Store(vr, d, r + at);
        hn::Store(vk, d, k + at);
    }
    void store(D d, int set, M lanes, V vx, V vy, V vr, V vk) {
        const int at = set * static_cast<int>(hn::Lanes(d));
        hn::BlendedStore(vx, lanes, d, x + at);
        hn::BlendedStore(vy, lanes, d, y + at);
        hn::BlendedStore(vr, lanes, d, r + at);
        hn::BlendedStore(vk, lanes, d, k + at);
    }
    void copy(const Snapshot& from, int lane) {
        x[lane] = from.x[lane];
        y[lane] = from.y[lane];
        r[lane] = from.r[lane];
        k[lane] = from.k[lane];
    }
};

// The lanes between two looks at them: `now` when a lane may leave, `held` for those
// set aside when their cycles ran out.
struct Lanes {
    Snapshot now, held;
    HWY_ALIGN double p[MaxLanes], q[MaxLanes];
    int point[MaxLanes];

    void load(D d, int set, V& vx, V& vy, V& vp, V& vq, V& vk) const {
        const int at = set * static_cast<int>(hn::Lanes(d));
        vx = hn::Load(d, now.x + at);
        vy = hn::Load(d, now.y + at);
        vp = hn::Load(d, p + at);
        vq = hn::Load(d, q + at);
        vk = hn::Load(d, now.k + at);
    }
};

// The lanes of a set's mask as bits of all the lanes.
HWY_INLINE std::uint32_t laneBits(D d, int set, M mask) {
    std::uint8_t bytes[8] = {};
    hn::StoreMaskBits(d, mask, bytes);
    return static_cast<std::uint32_t>(bytes[0]) << (set * hn::Lanes(d));
}

template <class Formula>
class Column {
  public:
    Column(const Formula& formula, int count, int limit, Escape* out)
        : formula_(formula), count_(count), limit_(limit), out_(out), left_(count) {}

    void run() {
        const D d;
        const int n = static_cast<int>(hn::Lanes(d));
        for (int lane = 0; lane < Sets * n; ++lane) {
            take(lane);
        }
        const V bound = hn::Set(d, Formula::Near);
        const V limit = hn::Set(d, limit_);
        const V one = hn::Set(d, 1);
        const V idle = hn::Set(d, -HUGE_VAL);
        while (busy_ > 0) {
            V x0, y0, p0, q0, k0, x1, y1, p1, q1, k1, x2, y2, p2, q2, k2;
            lanes_.load(d, 0, x0, y0, p0, q0, k0);
            lanes_.load(d, 1, x1, y1, p1, q1, k1);
            lanes_.load(d, 2, x2, y2, p2, q2, k2);
            V r0, r1, r2;
            M near0, near1, near2, over0, over1, over2;
            for (;;) {
                // Steps until a lane is near or its cycles are used up.
                do {
                    r0 = Formula::step(x0, y0, p0, q0);
                    r1 = Formula::step(x1, y1, p1, q1);
                    r2 = Formula::step(x2, y2, p2, q2);
                    k0 = hn::Add(k0, one);
                    k1 = hn::Add(k1, one);
                    k2 = hn::Add(k2, one);
                    near0 = Formula::near(r0, bound);
                    near1 = Formula::near(r1, bound);
                    near2 = Formula::near(r2, bound);
                    over0 = hn::Gt(k0, limit);
                    over1 = hn::Gt(k1, limit);
                    over2 = hn::Gt(k2, limit);
                } while (hn::AllFalse(d, hn::Or(hn::Or(hn::Or(near0, near1), hn::Or(near2, over0)),
                                                hn::Or(over1, over2))));
                if (!hn::AllFalse(d, hn::Or(hn::Or(near0, near1), near2))) {
                    break;
                }
                hold(d, 0, over0, x0, y0, p0, q0, k0, r0, idle);
                hold(d, 1, over1, x1, y1, p1, q1, k1, r1, idle);
                hold(d, 2, over2, x2, y2, p2, q2, k2, r2, idle);
                if (held_ >= n || held_ == busy_) {
                    break;
                }
            }
            lanes_.now.store(d, 0, x0, y0, r0, k0);
            lanes_.now.store(d, 1, x1, y1, r1, k1);
            lanes_.now.store(d, 2, x2, y2, r2, k2);
            look(heldLanes_ | laneBits(d, 0, hn::Or(near0, over0)) |
                 laneBits(d, 1, hn::Or(near1, over1)) | laneBits(d, 2, hn::Or(near2, over2)));
        }
        formula_.finish(left_, limit_, out_);
    }

  private:
    // Gives a lane the column's next point, or zeros when none is left.
    void take(int lane) {
        if (next_ == count_) {
            lanes_.now.x[lane] = lanes_.now.y[lane] = lanes_.p[lane] = lanes_.q[lane] = 0;
            lanes_.now.k[lane] = -HUGE_VAL;
            return;
        }
        formula_.start(next_, lanes_.now.x[lane], lanes_.now.y[lane], lanes_.p[lane],
                       lanes_.q[lane]);
        lanes_.now.k[lane] = 0;
        lanes_.point[lane] = next_++;
        ++busy_;
    }

    // Stores the lanes whose cycles are used up and leaves them idle.
    void hold(D d, int set, M over, V& x, V& y, V& p, V& q, V& k, V r, V idle) {
        if (hn::AllFalse(d, over)) {
            return;
        }
        lanes_.held.store(d, set, over, x, y, r, k);
        heldLanes_ |= laneBits(d, set, over);
        held_ += static_cast<int>(hn::CountTrue(d, over));
        x = hn::IfThenZeroElse(over, x);
        y = hn::IfThenZeroElse(over, y);
        p = hn::IfThenZeroElse(over, p);
        q = hn::IfThenZeroElse(over, q);
        k = hn::IfThenElse(over, idle, k);
    }

    // The marked lanes and those held keep their points' states and take new points.
    void look(std::uint32_t marked) {
        for (std::uint32_t held = heldLanes_; held != 0; held &= held - 1) {
            lanes_.now.copy(lanes_.held,
                            static_cast<int>(hwy::Num0BitsBelowLS1Bit_Nonzero32(held)));
        }
        heldLanes_ = 0;
        held_ = 0;
        for (; marked != 0; marked &= marked - 1) {
            const int lane = static_cast<int>(hwy::Num0BitsBelowLS1Bit_Nonzero32(marked));
            left_[lanes_.point[lane]] = {lanes_.now.x[lane], lanes_.now.y[lane], lanes_.now.r[lane],
                                         static_cast<int>(lanes_.now.k[lane])};
            --busy_;
            take(lane);
        }
    }

    const Formula formula_;
    const int count_, limit_;
    Escape* const out_;
    int next_ = 0, busy_ = 0, held_ = 0;
    std::uint32_t heldLanes_ = 0;
    Lanes lanes_;
    std::vector<Leaving> left_;
};

void MandelColumn(double x0, const double* y0, int count, int limit, Escape* out) {
    Column<SmallPicture>({{x0, y0}}, count, limit, out).run();
}

void MirroredColumn(double x0, const double* y0, int count, int limit, Escape* out) {
    Column<MirroredPicture>({{x0, y0}}, count, limit, out).run();
}

void JuliaColumn(double zx, const double* zy, int count, double cx, double cy, int limit,
                 Escape* out) {
    Column<JuliaPicture>({zx, zy, cx, cy}, count, limit, out).run();
}

std::int64_t Target() {
    return HWY_TARGET;
}

}  // namespace HWY_NAMESPACE
}  // namespace EscapeTime
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
namespace EscapeTime {

HWY_EXPORT(MandelColumn);
HWY_EXPORT(MirroredColumn);
HWY_EXPORT(JuliaColumn);
HWY_EXPORT(Target);

void mandelColumn(double x0, const double* y0, int count, int limit, Escape* out) {
    HWY_DYNAMIC_DISPATCH(MandelColumn)(x0, y0, count, limit, out);
}

void mirroredColumn(double x0, const double* y0, int count, int limit, Escape* out) {
    HWY_DYNAMIC_DISPATCH(MirroredColumn)(x0, y0, count, limit, out);
}

void juliaColumn(double zx, const double* zy, int count, double cx, double cy, int limit,
                 Escape* out) {
    HWY_DYNAMIC_DISPATCH(JuliaColumn)(zx, zy, count, cx, cy, limit, out);
}

std::vector<std::int64_t> columnTargets() {
    return hwy::SupportedAndGeneratedTargets();
}

std::int64_t columnTarget() {
    return HWY_DYNAMIC_DISPATCH(Target)();
}

}  // namespace EscapeTime
#endif
