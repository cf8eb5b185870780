// Grouping a board's holes with THoleList's text index against the literal algorithm that compares
// each primitive with every group, on generated boards over 50 distinct sizes; and the in-memory work
// behind one click of the editor (count, edit, labels and their order) on the same lists.

#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include "base/string_list.h"
#include "holes/coord_object.h"
#include "holes/hole_labels.h"
#include "holes/hole_list.h"
#include "tests/native/holes/generated_board.h"
#include "tests/native/holes/literal_hole_list.h"

namespace {

using TClock = std::chrono::steady_clock;

template <class F>
double Milliseconds(F&& work) {
  const auto start = TClock::now();
  work();
  return std::chrono::duration<double, std::milli>(TClock::now() - start).count();
}

}  // namespace

int main() {
  constexpr int k_sizes = 50;
  std::printf("primitives  jitter  groups  literal ms  indexed ms  speed-up  click ms\n");
  // Exactly 50 sizes, and 50 sizes each smeared over a few neighbouring texts.
  for (int jitter : {0, 25}) {
  for (int count : {10000, 100000, 1000000}) {
    if (jitter && count > 100000) continue;  // the literal run alone would take minutes
    std::mt19937 random(20240611u + static_cast<unsigned>(count));
    holes_test::TGeneratedBoard board(holes_test::GeneratePrimitives(random, count, k_sizes, jitter));
    for (auto& p : board.primitives) p.kind = 2;  // one list holds them all

    holes_test::TLiteralHoleList literal;
    const double literal_ms = Milliseconds([&] {
      for (const auto& p : board.primitives) literal.AddHole(p.kind, p.size, p.handle);
    });
    THoleList* ours = nullptr;
    const double indexed_ms = Milliseconds([&] { ours = new THoleList(board, 2); });
    if (ours->Count() != static_cast<int>(literal.groups.size())) {
      std::printf("group counts differ: %d and %zu\n", ours->Count(), literal.groups.size());
      return 1;
    }

    // What one edit in the dialog costs in memory: change a size, refresh the labels, count them.
    const double click_ms = Milliseconds([&] {
      ours->Imperial = true;
      ours->ChangeSize(ours->Items(0).NewSize, ours->Items(1).NewSize);
      TStringList items;
      ours->AddLabels(items, true);
      SortHoleLabels(items);
      int total = 0;
      for (int i = 0; i < items.Count(); ++i)
        total += ours->CountHoles(static_cast<TCoordObject*>(items.GetObject(i))->Value);
      for (int i = 0; i < items.Count(); ++i) delete items.GetObject(i);
      if (total != count) std::printf("count mismatch: %d\n", total);
    });

    std::printf("%10d  %6d  %6d  %10.1f  %10.1f  %7.1fx  %8.3f\n", count, jitter, ours->Count(), literal_ms,
                indexed_ms, literal_ms / indexed_ms, click_ms);
    delete ours;
  }
  }
  return 0;
}
