#pragma once

#include <string>
#include <string_view>

namespace tessaline {

// Angle constants, exactly these decimal literals.
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;
inline constexpr double kRadiansPerDegree = 0.0174532925199433;
inline constexpr double kDegreesPerRadian = 57.2957795130823;

// The twelve sign codes from Aries to Pisces, three letters each.
inline constexpr std::string_view SignAbbreviations = "AriTauGemCanLeoVirLibScoSagCapAquPis";

// Long form, e.g. 13° 18' 57" Sco: every field truncated, never rounded. Works on the magnitude;
// exactly 360 shows as 0° Aries.
std::string FormatZodiacPosition(double x);

// Short form DD Sss MM from a long-form text.
std::string FormatPositionEntry(std::string_view text);

// Short form straight from degrees: the same text as the long form's entry, without the detour.
std::string FormatPositionEntry(double x);

// Whole degrees within the sign (0..29), whole minutes and seconds, all truncated, and the sign index
// (0 Aries .. 11 Pisces).
struct ZodiacFields {
    int degrees;
    int minutes;
    int seconds;
    int sign;
};
ZodiacFields SplitZodiacPosition(double x) noexcept;

// One correction step in each direction; exactly 360 is left standing. Result in [0, 360] for x in
// (-360, 720).
double ReduceDegrees(double x) noexcept;

// Result in [0, 2π).
double ReduceRadians(double x) noexcept;

// The angle of the point (x, y); result in (-π, π].
double ArcTan2(double y, double x) noexcept;

} // namespace tessaline
