#pragma once
// Bounds for the values typed into the filter dialogs. The dialogs accept any number; the filters
// clamp to these so that a stray value cannot ask for a huge layer or hours of work.
namespace lw {

inline constexpr int kMaxFilterRadius = 100;
inline constexpr int kMaxFilterDistance = 1200;

} // namespace lw
