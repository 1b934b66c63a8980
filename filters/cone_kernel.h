#pragma once
// The cone weights shared by the drop shadow and the Gaussian blur over the (2r + 1)² offsets:
// the caller turns the height max(0, r − distance) and the radius into its weight. Radius 0
// would divide by zero; its limit is the centre alone with the full weight, asked for as height 1
// of radius 1. Each row keeps the span of its nonzero
// weights, so the filters skip the corners of the square where the cone is zero.
#include <algorithm>
#include <cmath>
#include <vector>

namespace lw {

template <typename Weight> class ConeKernel {
public:
    // weight(height, radius) gives the stored weight.
    template <typename Convert> ConeKernel(int radius, Convert weight) : r_(radius), side_(2 * radius + 1)
    {
        weights_.assign(static_cast<std::size_t>(side_) * side_, Weight{});
        spans_.assign(static_cast<std::size_t>(side_), Span{r_ + 1, -r_ - 1});
        for (int l = -r_; l <= r_; ++l) {
            Span& span = spans_[static_cast<std::size_t>(l + r_)];
            for (int k = -r_; k <= r_; ++k) {
                const Weight w =
                    r_ == 0 ? weight(1.0, 1)
                            : weight(std::max(0.0, r_ - std::sqrt(static_cast<double>(k * k + l * l))), r_);
                weights_[static_cast<std::size_t>((l + r_) * side_ + (k + r_))] = w;
                if (w > Weight{}) {
                    span.first = std::min(span.first, k);
                    span.last = std::max(span.last, k);
                }
            }
        }
    }

    struct Span {
        int first; // empty when first > last
        int last;
    };

    int radius() const { return r_; }
    // The weights of row l (−r … r), indexed by k + r.
    const Weight* row(int l) const { return weights_.data() + static_cast<std::ptrdiff_t>(l + r_) * side_; }
    Span span(int l) const { return spans_[static_cast<std::size_t>(l + r_)]; }
    const std::vector<Weight>& weights() const { return weights_; }

private:
    int r_;
    int side_;
    std::vector<Weight> weights_;
    std::vector<Span> spans_;
};

} // namespace lw
