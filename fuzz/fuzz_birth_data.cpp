// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the birth data window's form: the first bytes choose the list positions and the options as
// the window's lists allow them, the rest are the five text boxes, one per line, exactly as typed or pasted.
// The checks must judge every form without fault, and a form they pass must calculate.
#include "chart/BirthData.h"
#include "decanates/CalculationDriver.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    constexpr std::size_t kChoices = 7;
    if (size < kChoices)
        return 0;
    tessaline::BirthDataForm form;
    form.monthPosition = data[0] % 12;
    form.dayPosition = data[1] % 31;
    form.yearPosition = data[2] % 150;
    form.hour = data[3] % 24;
    form.minute = data[4] % 60;
    form.zonePosition = data[5] % 72 - 1; // -1: no row chosen
    form.daylightSaving = (data[6] & 1) != 0;
    form.isEast = (data[6] & 2) != 0;
    form.isSouth = (data[6] & 4) != 0;

    std::string_view rest(reinterpret_cast<const char*>(data + kChoices), size - kChoices);
    std::string* boxes[] = {&form.name, &form.lonDegrees, &form.lonMinutes, &form.latDegrees, &form.latMinutes};
    for (std::string* box : boxes) {
        const auto end = rest.find('\n');
        *box = std::string(rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        (void)tessaline::CoordinateValue(*box);
    }
    for (char c : form.name)
        (void)tessaline::FilterNameKey(c);

    const bool passes = tessaline::ValidateBirthData(form).has_value();
    if (tessaline::Calculate({form}, {}).has_value() != passes)
        __builtin_trap(); // the calculation must judge the form as the checks do
    return 0;
}
