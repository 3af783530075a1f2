// Entity movement: straight flight, the turning rule with its wrap cases, capture radius, followed fathers.
#include <cmath>

#include "world_fixture.h"

class EntityTest : public WorldTest {};

TEST_F(EntityTest, FliesStraightScaledByFrameTime) {
  struct Case {
    float rotation, time, dx, dy;
  } cases[] = {{0, 1, 2, 0}, {0, 2, 4, 0}, {90, 1, 0, 2}, {180, 1, -2, 0}};
  for (const auto& c : cases) {
    auto e = Entity::createEntity(100, 100, c.rotation, 2, 0, 2);
    TIME = c.time;
    e->update();
    EXPECT_NEAR(e->x, 100 + c.dx, 1e-4) << c.rotation << " " << c.time;
    EXPECT_NEAR(e->y, 100 + c.dy, 1e-4) << c.rotation << " " << c.time;
  }
}

// A standing entity at (500, 500) steering for a far waypoint at the given angle.
TEST_F(EntityTest, TurningRuleAndItsWrapCases) {
  struct Case {
    float rotation_speed, heading;
    int waypoint_angle;
    float after_one, after_two;
  } cases[] = {
      {36, 0, 90, 9, 17.1f},      // a tenth of the remaining angle per frame
      {360, 0, 90, 90, 90},       // increments of exactly 1 snap at once
      {720, 0, 90, 90, 90},
      {36, 350, -10, 350, 350},   // -10 is 350: no turn
      {36, 10, -170, 352, 335.8f},   // no wrap applies: turns down through 0 and folds back to 0..360
      {36, 0, 180, 18, 34.2f},    // equally long both ways: neither adjustment
      {0, 45, 90, 45, 45},        // no turning rate, no turning
  };
  for (const auto& c : cases) {
    auto e = Entity::createEntity(500, 500, c.heading, 0, c.rotation_speed, 0);
    // Far away, and a little beyond the whole angle so that truncation lands on it.
    const double deg = c.waypoint_angle == 180 ? 180 : c.waypoint_angle + (c.waypoint_angle < 0 ? -0.2 : 0.2);
    const double a = deg * PI_D / 180;
    e->waypoints.push_back(Waypoint::create(static_cast<int>(std::lround(500 + 10000 * std::cos(a))),
                                            static_cast<int>(std::lround(500 + 10000 * std::sin(a))), 0, 0, nullptr));
    ASSERT_EQ(e->waypoints.front().angle(500, 500), c.waypoint_angle);
    e->update();
    EXPECT_NEAR(e->rotation, c.after_one, 1e-3) << c.rotation_speed << " " << c.heading << " " << c.waypoint_angle;
    e->update();
    EXPECT_NEAR(e->rotation, c.after_two, 1e-3) << c.rotation_speed << " " << c.heading << " " << c.waypoint_angle;
  }
}

TEST_F(EntityTest, CaptureRadiusGrowsWithSpeedAndShrinksWithTurning) {
  auto e = Entity::createEntity(0, 0, 0, 0, 90, 0);
  e->add_waypoint(18, 0, 5, nullptr);
  EXPECT_NEAR(e->waypoints.back().radius, 360.0 / 90 * 5 / PI_D * 2 + 1, 1e-4);
  EXPECT_EQ(e->waypoints.back().reached(0, 0, 1), 1);
  EXPECT_EQ(e->waypoints.back().reached(-1, 0, 1), 0);  // 19 pixels

  // Reaching the first waypoint removes it without steering in that frame.
  e->update();
  EXPECT_TRUE(e->waypoints.empty());
  EXPECT_FLOAT_EQ(e->rotation, 0);

  // Without a turning rate a moving entity's waypoint counts as reached at once; a standing one's never.
  auto still = Entity::createEntity(0, 0, 0, 0, 0, 0);
  still->add_waypoint(900, 900, 3, nullptr);
  still->add_waypoint(0, 0, 0, nullptr);
  still->update();
  ASSERT_EQ(still->waypoints.size(), 1u);
  still->update();
  EXPECT_EQ(still->waypoints.size(), 1u);
}

TEST_F(EntityTest, FatherIsFollowedWhileInPlayAndDroppedWhenGone) {
  airplanes("[TARGET]\nHP: 10\n");
  auto target = World::createAirplane("TARGET", 700, 300, 0, 0);
  auto helper = World::createHelper("TARGET", 10, 10, 0);

  auto rocket = Entity::createEntity(500, 500, 0, 2, 360, 2);
  rocket->add_waypoint(1, 1, 2, target);
  ASSERT_TRUE(rocket->waypoints.front().has_father);
  EXPECT_EQ(rocket->waypoints.front().x, 700);

  target->x = 500;
  target->y = 100;  // straight up from the rocket
  rocket->update();
  EXPECT_NEAR(rocket->rotation, 270, 1e-3);
  EXPECT_EQ(rocket->waypoints.front().y, 100);

  AIRPLANELIST.remove(target);
  const float heading = rocket->rotation;
  rocket->update();
  EXPECT_TRUE(rocket->waypoints.empty());
  EXPECT_FLOAT_EQ(rocket->rotation, heading);

  // Helpers are never followed: the given point stays and there is no father.
  rocket->add_waypoint(40, 50, 2, helper);
  EXPECT_FALSE(rocket->waypoints.front().has_father);
  EXPECT_EQ(rocket->waypoints.front().x, 40);
  EXPECT_EQ(rocket->waypoints.front().y, 50);
}
