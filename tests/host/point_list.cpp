// The SWS envelope object's point list: ids stay positions in the list
// whatever mix of deletes, appends, rewrites and sorts comes.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "model/point_list.hpp"

using kvhost::model::envelope_point;
using kvhost::model::point_list;

TEST(point_list, behaves_as_a_plain_vector_under_any_mix_of_edits) {
  std::mt19937 random(11);
  std::vector<envelope_point> plain(50);
  for (std::size_t i = 0; i < plain.size(); ++i) plain[i].time = static_cast<double>(i % 7);
  point_list list(plain);
  for (int step = 0; step < 20000; ++step) {
    const std::size_t id = random() % (plain.size() + 2);
    const double value = step;
    switch (random() % 8) {
      case 0:
      case 1:
        list.erase(id);
        if (id < plain.size()) plain.erase(plain.begin() + static_cast<std::ptrdiff_t>(id));
        break;
      case 2:
      case 3:
        list.push_back({static_cast<double>(random() % 9), value});
        plain.push_back({list.at(list.size() - 1)->time, value});
        break;
      case 5:
        if (id < plain.size())
          plain[id].value = list.at(id)->value = value;
        else
          EXPECT_EQ(list.at(id), nullptr);
        break;
      case 6:
        if (step % 50 == 0) {
          list.sort_by_time();
          kvhost::model::sort_by_time(plain);
        }
        break;
      default:
        break;
    }
    ASSERT_EQ(list.size(), plain.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
      ASSERT_EQ(list.at(i)->value, plain[i].value) << "step " << step << " id " << i;
      ASSERT_EQ(list.at(i)->time, plain[i].time) << "step " << step << " id " << i;
    }
  }
  const std::vector<envelope_point> released = list.release();
  ASSERT_EQ(released.size(), plain.size());
  for (std::size_t i = 0; i < plain.size(); ++i) EXPECT_EQ(released[i].value, plain[i].value);
  EXPECT_EQ(list.size(), 0u);
}
