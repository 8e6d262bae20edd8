// A generated map for the map-file tests and benchmark: a grid of square
// sub-compartments over shared boundary lines, ten by ten of them to a
// compartment, with a label text per compartment.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/document.h"

namespace dornavik {

// cols x rows cells of 100 m; every edge is one line of `points` points
// (at least 2) with a small zigzag, shared by the cells on both sides.
inline void BuildGridMap(tafile& map, int cols, int rows, int points) {
  auto edge = [&](float x0, float y0, float x1, float y1) {
    std::unique_ptr<tline> line = map.NewLine();
    for (int k = 0; k < points; ++k) {
      const float t = static_cast<float>(k) / static_cast<float>(points - 1);
      const float zig = (k > 0 && k < points - 1 && k % 2) ? 2.5f : 0;
      const int32_t r = map.Points().AppendPoint(x0 + (x1 - x0) * t + (y1 - y0) / 100 * zig,
                                                 y0 + (y1 - y0) * t + (x1 - x0) / 100 * zig);
      if (k == 0) line->first = r;
      line->last = r;
    }
    line->Finish();
    tline* raw = line.get();
    map.AddLine(line, 5);
    return raw;
  };
  // horizontal[j][i] runs east from node (i, j); vertical[j][i] north from it.
  std::vector<std::vector<tline*>> horizontal(rows + 1), vertical(rows);
  for (int j = 0; j <= rows; ++j)
    for (int i = 0; i < cols; ++i)
      horizontal[j].push_back(edge(i * 100.f, j * 100.f, (i + 1) * 100.f, j * 100.f));
  for (int j = 0; j < rows; ++j)
    for (int i = 0; i <= cols; ++i)
      vertical[j].push_back(edge(i * 100.f, j * 100.f, i * 100.f, (j + 1) * 100.f));
  const int blocks_across = (cols + 9) / 10;
  for (int j = 0; j < rows; ++j)
    for (int i = 0; i < cols; ++i) {
      totdel* otdel = map.NewCompartment(std::to_string(1 + (j / 10) * blocks_across + i / 10));
      auto c = std::make_unique<tpodotdel>();
      c->number = std::to_string(1 + (j % 10) * 10 + i % 10);
      c->otdel = otdel->number;
      c->label_x = i * 100.f + 50;
      c->label_y = j * 100.f + 50;
      const tside ring[] = {{horizontal[j][i], 1}, {vertical[j][i + 1], 1},
                            {horizontal[j + 1][i], 0}, {vertical[j][i], 0}};
      for (const tside& s : ring) {
        c->sides.push_back(s);
        s.line->AddOwner(c.get());
      }
      otdel->label_x = (i / 10) * 1000.f + 500;
      otdel->label_y = (j / 10) * 1000.f + 500;
      otdel->AddContour(std::move(c));
    }
  for (int i = 0; i < map.CompartmentCount(); ++i) {
    const totdel* o = map.CompartmentAt(i);
    auto t = std::make_unique<texttype>();
    t->x = o->label_x;
    t->y = o->label_y + 20;
    t->text = "otdel " + o->number;
    map.AddText(t, 3);
  }
  map.bounds = {0, 0, cols * 100.f, rows * 100.f};
}

}  // namespace dornavik
