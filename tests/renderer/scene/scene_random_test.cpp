#include "renderer/scene/scene_random.h"

#include <gtest/gtest.h>

namespace kestro {
namespace {

TEST(SceneRandom, StartsFromStateOneWithTheKnownSequence) {
    SceneRandom random;
    EXPECT_EQ(random.state(), 1u);
    // state 1 * 214013 + 2531011 = 2745024; 2745024 >> 16 = 41.
    EXPECT_EQ(random.next(), 41);
    EXPECT_EQ(random.state(), 2745024u);
    const int32_t following[] = {18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962};
    for (int32_t expected : following) {
        EXPECT_EQ(random.next(), expected);
    }
}

TEST(SceneRandom, StateWrapsModulo2To32AndResultsStayIn15Bits) {
    SceneRandom random;
    int32_t value = 0;
    for (int i = 0; i < 1000; ++i) {
        value = random.next();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, SCENE_RANDOM_MAX);
    }
    // The 1000th value: the state has wrapped many times by now.
    EXPECT_EQ(value, 12249);
}

} // namespace
} // namespace kestro
