// Loading a campaign's config.txt: defaults, units, the crosshair fallback and the data checksum.
#include "world_fixture.h"

class ConfigTest : public WorldTest {};

TEST_F(ConfigTest, EmptyFileGivesTheDefaults) {
  write_file("data/c/config.txt", "");
  load_config("c/config.txt");
  EXPECT_EQ(START_HUMANS, 3);
  EXPECT_EQ(START_ROCKETS, 3);
  EXPECT_EQ(START_MONEY, 0);
  EXPECT_EQ(START_AIMTIME, 1000);
  for (int price : {PRICE_HUMAN, PRICE_HUMAN_HP, PRICE_HUMAN_MONEY, PRICE_ROCKET, PRICE_ROCKET_SPEED,
                    PRICE_ROCKET_POWER, PRICE_AIM})
    EXPECT_EQ(price, 100);
  for (float f : {FACTOR_PRICE_HUMAN, FACTOR_PRICE_AIM, FACTOR_HUMAN_HP, FACTOR_AIM, MONEY_FACTOR, AIM_POWER})
    EXPECT_FLOAT_EQ(f, 1.0f);
  EXPECT_EQ(MAXIMUM_ROCKETS, 10);
  EXPECT_EQ(MAXIMUM_HUMANS, 10);
  EXPECT_EQ(STORY_MAX_TIME, -1000);
  EXPECT_EQ(STORY_MAX_ROUNDTIME, -1000);
  EXPECT_EQ(STORY_MAX_ROCKETS, -1);
  EXPECT_EQ(STORY_MIN_MONEY, -1);
  EXPECT_EQ(CRASHING_ROCKETS, 1);
  EXPECT_EQ(STORY_NAME, "Level");
  EXPECT_EQ(STORY_DIFFICULTY, "NOT SPECIFIED");
  EXPECT_FLOAT_EQ(MUSIC_VOLUME, 0.3f);
  EXPECT_EQ(WINNER_TIME, 4800);
}

TEST_F(ConfigTest, StoryTimesAreSecondsAndASecondLoadLeavesNoTrace) {
  write_file("data/a/config.txt",
             "STORY_MAX_TIME: 90\nSTORY_MAX_ROUNDTIME: 5\nSTART_MONEY: 500\nMAX_ROCKETS: 4\nMONEY_FACTOR: 2.5\n"
             "UNSTOPPABLE_BONUS: 300\nCOLOR_HPBAR_GREEN: 200\n");
  load_config("a/config.txt");
  EXPECT_EQ(STORY_MAX_TIME, 90000);
  EXPECT_EQ(STORY_MAX_ROUNDTIME, 5000);
  EXPECT_EQ(START_MONEY, 500);
  EXPECT_EQ(MAXIMUM_ROCKETS, 4);
  EXPECT_FLOAT_EQ(MONEY_FACTOR, 2.5f);
  EXPECT_EQ(COLOR_HPBAR_GREEN, 200);

  write_file("data/b/config.txt", "// nothing but a comment\n");
  load_config("b/config.txt");
  EXPECT_EQ(STORY_MAX_TIME, -1000);
  EXPECT_EQ(START_MONEY, 0);
  EXPECT_EQ(MAXIMUM_ROCKETS, 10);
  EXPECT_FLOAT_EQ(MONEY_FACTOR, 1.0f);
  EXPECT_EQ(UNSTOPPABLE_BONUS, 0);
  EXPECT_EQ(COLOR_HPBAR_GREEN, 0);
}

TEST_F(ConfigTest, CrosshairThatDoesNotLoadKeepsTheOneInUse) {
  const Image before = create_image(4, 4, std::vector<uint32_t>(16, 0xFFFFFFFFu));
  STDIMG_CROSSHAIR = before;
  CROSSHAIR = 99;  // the option's own file does not exist either
  write_file("data/c/config.txt", "IMG_CROSSHAIR: gfx/no_such_crosshair.png\n");
  load_config("c/config.txt");
  EXPECT_EQ(STDIMG_CROSSHAIR, before);

  clear_screen();
  ASSERT_TRUE(save_frame_png("mine.png"));
  write_file("data/c/config.txt", "IMG_CROSSHAIR: mine.png\n");
  load_config("c/config.txt");
  EXPECT_NE(STDIMG_CROSSHAIR, before);
  EXPECT_EQ(image_width(STDIMG_CROSSHAIR), 1024);
  STDIMG_CROSSHAIR.reset();
}

TEST_F(ConfigTest, ChecksumIsTheSumOfTheFilesCrc32) {
  write_file("a.txt", "123456789");  // the CRC-32 check value of this text is CBF43926
  CRC_reset();
  CRC_addfile("a.txt");
  EXPECT_EQ(static_cast<uint32_t>(CRC_get()), 0xCBF43926u);
  CRC_addfile("a.txt");
  EXPECT_EQ(static_cast<uint32_t>(CRC_get()), 0xCBF43926u * 2u);
  CRC_addfile("missing.txt");
  EXPECT_EQ(static_cast<uint32_t>(CRC_get()), 0xCBF43926u * 2u);
}
