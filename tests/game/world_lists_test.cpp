// The world's lists: the airplane queue, explosion-sound slots, the blood budget, kill chains and crash hits.
#include "shared_media.h"
#include "world_fixture.h"

namespace {

const char* const PLANES = "[P]\nHP: 10\nBOMB_TYPS: 1\nBOMB_TYP_0: P\n";

// Chain messages currently shown, in order.
std::vector<std::string> info_texts() {
  std::vector<std::string> out;
  for (const auto& i : INFOLIST) out.push_back(i->content);
  return out;
}

int plays_of(const Sound& s) {
  int n = 0;
  for (const auto& r : headless_sound_log())
    if (r.op == SoundRecord::Cue && s && r.sound == sound_name(s)) ++n;
  return n;
}

}  // namespace

class WorldListsTest : public WorldTest {};

TEST_F(WorldListsTest, AirplaneQueueLetsTheOldestWaitingOneIn) {
  airplanes(PLANES);
  World::max_airplanes = 2;
  std::vector<std::shared_ptr<Airplane>> a;
  for (int i = 0; i < 5; ++i) a.push_back(World::createAirplane("P", i * 10, 100, 0, 0));
  EXPECT_EQ(AIRPLANELIST.count(), 2u);
  EXPECT_EQ(AIRPLANEWAITLIST.count(), 3u);

  // A carrier's launch into the full sky is in no list at all.
  auto launched = World::createAirplane("P", 0, 0, 90, 1);
  EXPECT_FALSE(AIRPLANELIST.contains(launched));
  EXPECT_FALSE(AIRPLANEWAITLIST.contains(launched));

  a[0]->die(1);
  EXPECT_EQ(AIRPLANELIST.count(), 2u);
  EXPECT_TRUE(AIRPLANELIST.contains(a[2]));
  EXPECT_FALSE(AIRPLANEWAITLIST.contains(a[2]));
  a[1]->die(1);
  EXPECT_TRUE(AIRPLANELIST.contains(a[3]));
  EXPECT_EQ(World::airplanes_destroyed, 2);

  // Helpers are not limited and their loss changes no statistics.
  auto h = World::createHelper("P", 0, 0, 0);
  EXPECT_EQ(h->isFriend, 1);
  h->die(1);
  EXPECT_FALSE(HELPERLIST.contains(h));
  EXPECT_EQ(World::airplanes_destroyed, 2);
  EXPECT_EQ(World::kill_chain, 2);
}

TEST_F(WorldListsTest, AtMostThreeExplosionSoundsStartWithinHalfASecond) {
  if (!SND_EXPLOSION[0]) {
    for (auto& s : SND_EXPLOSION) s = load_sound("sfx/explosion2.ogg", 0);
    if (!SND_EXPLOSION[0]) GTEST_SKIP() << "explosion sound not generated";
  }
  for (int i = 0; i < 4; ++i) World::createExplosion(0, 500, 500, 20, 1.0f, 0, 0, 0);
  auto cues = [] {
    int n = 0;
    for (const auto& r : headless_sound_log()) n += r.op == SoundRecord::Cue;
    return n;
  };
  EXPECT_EQ(cues(), 3);
  EXPECT_EQ(PARTICLELIST.count(), 4u);
  // A small or silent one still uses up a slot once they are free again.
  headless_advance(501);
  World::createExplosion(0, 500, 500, 20, 0.1f, 0, 0, 0);
  World::createExplosion(0, 500, 500, 20, 1.0f, 0, 1, 0);
  World::createExplosion(0, 500, 500, 20, 1.0f, 0, 0, 0);
  World::createExplosion(0, 500, 500, 20, 1.0f, 0, 0, 0);
  EXPECT_EQ(cues(), 4);
}

TEST_F(WorldListsTest, BloodBudgetRetiresTheOldestAndRefusesSmokeAtTheLimit) {
  MAX_PARTICLES = 100;
  auto first = World::createBlood(1, 1, 0, 1, 1, 0, 100);
  for (int i = 1; i < 100; ++i) World::createBlood(1, 1, 0, 1, 1, 0, 100);
  EXPECT_EQ(World::blood_count, 100);
  EXPECT_TRUE(World::createBlood(1, 1, 0, 1, 1, 1, 100));
  EXPECT_FALSE(PARTICLELIST.contains(first));
  EXPECT_EQ(World::blood_count, 100);
  EXPECT_EQ(PARTICLELIST.count(), 100u);

  EXPECT_FALSE(World::createBlood(1, 1, 0, 1, 1, 2, 100));
  EXPECT_EQ(World::blood_count, 99);
  EXPECT_EQ(PARTICLELIST.count(), 99u);

  World::resetLists();
  World::count_blood();
  EXPECT_EQ(World::blood_count, 0);
}

TEST_F(WorldListsTest, KillChainTextsMoneyAndReplacement) {
  struct Kill {
    const char* text;  // the chain message, "" for none
    int money;         // total after the kill
  } kills[] = {{"", 0},         {"1x50$", 50},  {"2x50$", 100}, {"3x50$", 150}, {"4x 50$", 200},
               {"5x", 250},     {"6x", 300}};
  for (const auto& k : kills) {
    headless_advance(100);
    World::add_shot(300, 300);
    const auto texts = info_texts();
    if (*k.text) {
      ASSERT_FALSE(texts.empty());
      EXPECT_EQ(texts.back(), k.text);
    }
    EXPECT_EQ(p->money, k.money) << k.text;
  }
  // From the third kill on, each message replaces the previous one.
  EXPECT_EQ(info_texts(), std::vector<std::string>{"6x"});
  EXPECT_EQ(World::money_earned, 300);

  for (int chain = 8; chain <= 35; ++chain) {
    headless_advance(100);
    World::add_shot(300, 300);
  }
  EXPECT_EQ(World::kill_chain, 35);
  EXPECT_EQ(info_texts().back(), "34x");

  // 3000 ms or more later a new chain starts and earns nothing.
  const int money = p->money;
  headless_advance(3000);
  World::add_shot(300, 300);
  EXPECT_EQ(World::kill_chain, 1);
  EXPECT_EQ(p->money, money);
}

TEST_F(WorldListsTest, UnstoppableNeedsMoreThanThreeAirplanesInOneChain) {
  for (int wave : {3, 4}) {
    SetUp();
    SND_SHOT_QUADRO = load_sound("sfx/multikill.ogg", 0);
    SND_SHOT_UNSTOPPABLE = load_sound("sfx/unstoppable.ogg", 0);
    UNSTOPPABLE_BONUS = 1000;
    World::wave_airplanes = wave;
    for (int i = 0; i < wave; ++i) {
      headless_advance(100);
      World::add_shot(300, 300);
    }
    const bool unstoppable = wave == 4;
    EXPECT_EQ(World::unstoppable_count, unstoppable ? 1 : 0);
    EXPECT_EQ(info_texts().back() == "UNSTOPPABLE", unstoppable);
    EXPECT_EQ(p->money, 50 * (wave - 1) + (unstoppable ? 1000 : 0));
    if (SND_SHOT_QUADRO) {
      EXPECT_EQ(plays_of(SND_SHOT_QUADRO), 0);  // the fourth kill's own cry gives way
      EXPECT_EQ(plays_of(SND_SHOT_UNSTOPPABLE), unstoppable ? 1 : 0);
    }
  }
}

TEST_F(WorldListsTest, WithoutMoneyFactorNoChainMessagesButCrashHitStillShows) {
  MONEY_FACTOR = 0;
  SND_SHOT_DOUBLE = load_sound("sfx/doublekill.ogg", 0);
  for (int i = 0; i < 3; ++i) {
    headless_advance(100);
    World::add_shot(300, 300);
  }
  EXPECT_TRUE(INFOLIST.is_empty());
  EXPECT_EQ(p->money, 0);
  if (SND_SHOT_DOUBLE) {
    EXPECT_EQ(plays_of(SND_SHOT_DOUBLE), 1);
  }

  World::add_crashhit(200, 200);
  ASSERT_EQ(info_texts(), std::vector<std::string>{"1x 0$"});
  EXPECT_EQ(World::crash_hits, 1);
  EXPECT_EQ(p->money, 0);
}

TEST_F(WorldListsTest, CrashingAirplaneDestroyedInTheAirScoresACrashHit) {
  airplanes(PLANES);
  auto a = World::createAirplane("P", 400, 300, 0, 0);
  a->is_crashing = 6;
  headless_advance(5000);
  a->die(1);
  EXPECT_EQ(World::crash_hits, 1);
  EXPECT_EQ(p->money, 50);  // the crash hit pays, the single kill does not
  EXPECT_EQ(info_texts(), std::vector<std::string>{"1x 50$"});

  // One that is launched by a carrier scores nothing, crashing or not.
  auto child = World::createAirplane("P", 400, 300, 0, 1);
  child->father = a;
  child->is_crashing = 6;
  child->die(1);
  EXPECT_EQ(World::crash_hits, 1);
  EXPECT_EQ(World::kill_chain, 1);
  EXPECT_EQ(World::airplanes_destroyed, 2);
}

TEST_F(WorldListsTest, InfosCountDownAndLeave) {
  auto i = Info::createText("GO", 512, 200, 2, 1, "", 0, 5, 5, 255, 255, 255);
  World::update_infos();
  World::update_infos();
  EXPECT_TRUE(INFOLIST.contains(i));
  EXPECT_EQ(i->lifetime, 0);
  World::update_infos();
  EXPECT_FALSE(INFOLIST.contains(i));
  EXPECT_FALSE(Info::CreateImageSrc(nullptr, 0, 0, 10, 1, "", 0, 1, 1, 0, 0, 0));
  EXPECT_TRUE(INFOLIST.is_empty());
}
