#pragma once
// The host catalogue numbers that the plug-in class and the window's set-up show or translate.

namespace quorvane::host::messages {

inline constexpr int companyChangeRefused = 30179;
inline constexpr int exportRefused = 69054;
inline constexpr int buttonRefused = 45614;
inline constexpr int financialNeedsQev = 77311;

} // namespace quorvane::host::messages

namespace quorvane::host::texts {

inline constexpr int noValue = 78233;
inline constexpr int unrestricted = 38984;
inline constexpr int exactValue = 36651;
inline constexpr int from = 37421;
inline constexpr int to = 58966;
inline constexpr int range = 76372;
inline constexpr int repeatedDocument = 8826;
inline constexpr int costSide = 16506;
inline constexpr int revenueSide = 48924;
inline constexpr int financialCostSide = 59387;
inline constexpr int financialRevenueSide = 25017;

} // namespace quorvane::host::texts
