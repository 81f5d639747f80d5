// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>

namespace tallisk {

// The seventeen result fields in their one fixed order: the order of the window's rows, of the
// reset, of the export's rows and of the command's output.
enum class Field
{
    Core,
    CpuModel,
    PerfRating,
    WorkingFreq,
    PackageType,
    OperatingVoltage,
    OperatingTemperature,
    L1Cache,
    L2Cache,
    Multiplier,
    Fsb,
    Stepping,
    ManYear,
    ManWeek,
    ProductionBatch,
    ProductionNumber,
    DowngradedFrom,
};

inline constexpr std::size_t kFieldCount = 17;

// Everything that names a field. Captions are untranslated source texts, marked for
// translation; row titles are the export file's own texts; object names and JSON keys are
// identifiers. None of them ever changes at run time.
struct FieldInfo
{
    Field field;
    const char* labelName;   // the result label's object name, e.g. "lblCore"
    const char* captionName; // the caption label's object name, e.g. "lblInfoCore"
    const char* caption;     // caption text on the window, e.g. "Working frequency"
    const char* rowTitle;    // row title in the HTML export, e.g. "Working Frequency"
    const char* jsonKey;     // key in the command's JSON output, e.g. "working_frequency"
};

// Translation context of the captions.
inline constexpr const char* kFieldTableContext = "FieldTable";

const std::array<FieldInfo, kFieldCount>& fieldTable();
const FieldInfo& fieldInfo(Field field);
constexpr std::size_t fieldIndex(Field field)
{
    return static_cast<std::size_t>(field);
}

} // namespace tallisk
