#include "engine/duplicate_points.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <string_view>

namespace pinmover {

namespace {

// A cell's height: 2 arc-seconds, about 62 m, so that a duplicate lies in the same row of
// cells or the next. Each row is cut into as many equal columns as leave them that wide at
// the row's edge nearer the pole, so that a duplicate lies in the same column or the next.
constexpr std::int64_t rowUnits = 2 * unitsPerArcSecond;
constexpr std::int64_t circleUnits = std::int64_t{360} * 3600 * unitsPerArcSecond;
constexpr double earthRadiusMetres = 6371008.8;
constexpr double radiansPerUnit = std::numbers::pi / 180 / 3600 / unitsPerArcSecond;

struct Cell {
  std::int64_t row;
  std::int64_t column;
};

std::int64_t RowOf(std::int32_t latitudeUnits) {
  return static_cast<std::int64_t>(
      std::floor(static_cast<double>(latitudeUnits) / static_cast<double>(rowUnits)));
}

// Longitude from 0 to a whole circle, whatever the slot holds.
std::int64_t EastOfAntimeridian(std::int32_t longitudeUnits) {
  const std::int64_t shifted = std::int64_t{longitudeUnits} + circleUnits / 2;
  return ((shifted % circleUnits) + circleUnits) % circleUnits;
}

std::int64_t ColumnsIn(std::int64_t row) {
  const std::int64_t edgeUnits = std::max(std::abs(row), std::abs(row + 1)) * rowUnits;
  const double edgeRadians =
      std::min(std::numbers::pi / 2, static_cast<double>(edgeUnits) * radiansPerUnit);
  const double columns = std::floor(static_cast<double>(circleUnits) /
                                    static_cast<double>(rowUnits) * std::cos(edgeRadians));
  return std::max<std::int64_t>(1, static_cast<std::int64_t>(columns));
}

std::int64_t ColumnOf(std::int64_t row, std::int32_t longitudeUnits) {
  return EastOfAntimeridian(longitudeUnits) * ColumnsIn(row) / circleUnits;
}

std::uint64_t CellKey(const SlotName& name, Cell cell) {
  const std::span<const std::uint8_t> bytes = name.Bytes();
  std::uint64_t key =
      std::hash<std::string_view>{}({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
  for (std::int64_t part : {cell.row, cell.column}) {
    key ^= static_cast<std::uint64_t>(part) + 0x9E3779B97F4A7C15u + (key << 6) + (key >> 2);
  }
  return key;
}

double Metres(std::int32_t latitude1, std::int32_t longitude1, std::int32_t latitude2,
              std::int32_t longitude2) {
  std::int64_t east = EastOfAntimeridian(longitude1) - EastOfAntimeridian(longitude2);
  if (east > circleUnits / 2) east -= circleUnits;
  if (east < -circleUnits / 2) east += circleUnits;
  const double north = static_cast<double>(std::int64_t{latitude1} - latitude2) * radiansPerUnit;
  const double middle =
      (static_cast<double>(latitude1) + static_cast<double>(latitude2)) / 2 * radiansPerUnit;
  const double across = static_cast<double>(east) * radiansPerUnit * std::cos(middle);
  return earthRadiusMetres * std::hypot(north, across);
}

}  // namespace

std::optional<DuplicatePoints::Match> DuplicatePoints::Find(const UnitPoint& point) const {
  std::optional<Match> best;
  const std::int64_t row = RowOf(point.latitudeUnits);
  for (std::int64_t near = row - 1; near <= row + 1; ++near) {
    const std::int64_t columns = ColumnsIn(near);
    const std::int64_t column = ColumnOf(near, point.longitudeUnits);
    for (std::int64_t step = -1; step <= std::min<std::int64_t>(1, columns - 2); ++step) {
      const Cell cell{near, ((column + step) % columns + columns) % columns};
      auto [first, last] = cells_.equal_range(CellKey(point.name, cell));
      for (auto it = first; it != last; ++it) {
        const Entry& entry = it->second;
        if (entry.name != point.name) continue;
        const double metres = Metres(point.latitudeUnits, point.longitudeUnits, entry.latitudeUnits,
                                     entry.longitudeUnits);
        if (metres > duplicateMetres) continue;
        if (!best || (entry.held && !best->held) ||
            (entry.held == best->held && metres < best->metres)) {
          best = Match{entry.index, entry.held, metres};
        }
      }
    }
  }
  return best;
}

void DuplicatePoints::Add(const UnitPoint& point, std::uint64_t index, bool held) {
  const std::int64_t row = RowOf(point.latitudeUnits);
  const Cell cell{row, ColumnOf(row, point.longitudeUnits)};
  cells_.emplace(CellKey(point.name, cell),
                 Entry{point.name, point.latitudeUnits, point.longitudeUnits, index, held});
}

}  // namespace pinmover
