#include <gtest/gtest.h>

#include "project/project.h"

namespace {

TEST(ProjectState, ExtensionCompletion) {
  EXPECT_EQ(withProjectExtension("figura"), "figura.pxg");
  EXPECT_EQ(withProjectExtension("figura.PxG"), "figura.PxG");
  EXPECT_EQ(withProjectExtension("dir/a.pxg"), "dir/a.pxg");
  EXPECT_EQ(withProjectExtension("figura.txt"), "figura.txt.pxg");
  EXPECT_EQ(withProjectExtension("pxg"), "pxg.pxg");
  EXPECT_EQ(withProjectExtension(""), ".pxg");
}

class ProjectChanges : public ::testing::Test {
 protected:
  void SetUp() override { resetProject(); }
  void TearDown() override { resetProject(); }
};

TEST_F(ProjectChanges, AnyChangeToTheListCountsUntilSaved) {
  EXPECT_FALSE(projectHasUnsavedChanges());
  commandLines().push_back("PT 1 1");
  EXPECT_TRUE(projectHasUnsavedChanges());
  markProjectSaved();
  EXPECT_FALSE(projectHasUnsavedChanges());
  commandLines()[0] = "PT 1 2";
  EXPECT_TRUE(projectHasUnsavedChanges());
  // Editing back to the saved text leaves nothing to lose.
  commandLines()[0] = "PT 1 1";
  EXPECT_FALSE(projectHasUnsavedChanges());
}

TEST_F(ProjectChanges, ANewProjectIsUnsavedEvenWhenEmpty) {
  markProjectChanged();
  EXPECT_TRUE(projectHasUnsavedChanges());
  markProjectSaved();
  EXPECT_FALSE(projectHasUnsavedChanges());
}

}  // namespace
