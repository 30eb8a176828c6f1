// Series groups: names, the computed Active state and its setter, look-up, copying, and
// the series stored by name.
#include "chart/engine/series/SeriesGroups.h"
#include "tests/chart/engine/StreamingSupport.h"
#include "tests/chart/engine/series/SeriesTestSupport.h"

#include <gtest/gtest.h>

namespace {

// Publishes the groups of a chart, as the chart does.
class TGroupsHolder : public TComponent {
    ORVO_CLASS(TGroupsHolder, TComponent)
public:
    explicit TGroupsHolder(TComponent* AOwner, TPersistent* Chart = nullptr)
        : TComponent(AOwner), FGroups(Chart) {}
    TSeriesGroups* Groups() { return &FGroups; }

private:
    TSeriesGroups FGroups;
};
ORVO_IMPLEMENT_CLASS(TGroupsHolder, TComponent)
ORVO_PUBLISHED(TGroupsHolder) {
    P.Property("Groups", &TGroupsHolder::Groups);
}

struct GroupsFixture : ::testing::Test {
    GroupsFixture() : groups(&chart) {
        a.SetName("A");
        b.SetName("B");
        chart.AddSeries(&a);
        chart.AddSeries(&b);
    }
    ~GroupsFixture() override {
        chart.RemoveSeries(&a);
        chart.RemoveSeries(&b);
    }
    TSeriesTestChart chart;
    TChartSeries a{nullptr}, b{nullptr};
    TSeriesGroups groups;
};

TEST_F(GroupsFixture, NamesCountTheGroups) {
    EXPECT_EQ(groups.Add()->Name(), "Group1");
    EXPECT_EQ(groups.Add()->Name(), "Group2");
    EXPECT_EQ(groups.Add()->Name(), "Group3");
    EXPECT_EQ(TSeriesGroup(nullptr).Name(), "Group");
    EXPECT_THROW(groups.Get(3), EListError);
}

TEST_F(GroupsFixture, ActiveFollowsTheSeriesAndSetsThemAll) {
    TSeriesGroup* g = groups.Add();
    EXPECT_EQ(g->Active(), gaYes); // empty
    g->Add(&a);
    g->Add(&b);
    EXPECT_EQ(g->Active(), gaYes);
    b.SetActive(false);
    EXPECT_EQ(g->Active(), gaSome);
    g->SetActive(gaSome);
    EXPECT_TRUE(a.Active());
    EXPECT_FALSE(b.Active());
    g->Hide();
    EXPECT_EQ(g->Active(), gaNo);
    EXPECT_FALSE(a.Active());
    g->Show();
    EXPECT_TRUE(a.Active());
    EXPECT_TRUE(b.Active());
}

TEST_F(GroupsFixture, FindByNameAndContains) {
    TSeriesGroup* g1 = groups.Add();
    TSeriesGroup* g2 = groups.Add();
    g2->SetName("Pressures");
    g2->Add(&b);
    EXPECT_EQ(groups.FindByName("PRESSURES"), g2);
    EXPECT_EQ(groups.FindByName("PRESSURES", true), nullptr);
    EXPECT_EQ(groups.FindByName("Pressures", true), g2);
    EXPECT_EQ(groups.FindByName("none"), nullptr);
    EXPECT_EQ(groups.Contains(&b), 1);
    EXPECT_EQ(groups.Contains(&a), -1);
    g1->Add(&b);
    EXPECT_EQ(groups.Contains(&b), 0);
}

TEST_F(GroupsFixture, AssignCopiesNameAndTheListNotTheSeries) {
    TSeriesGroup* g = groups.Add();
    g->SetName("G");
    g->Add(&a);
    TSeriesGroup* copy = groups.Add();
    copy->Assign(g);
    EXPECT_EQ(copy->Name(), "G");
    ASSERT_EQ(copy->Series()->Count(), 1);
    EXPECT_EQ(copy->Series()->Get(0), &a);
    copy->Series()->Clear();
    EXPECT_EQ(g->Series()->Count(), 1);
}

TEST_F(GroupsFixture, SeriesAreStoredByNameAndFoundInTheChart) {
    TGroupsHolder a1(nullptr, &chart);
    a1.SetName("Holder");
    TSeriesGroup* g = a1.Groups()->Add();
    g->SetName("G");
    g->Add(&a);
    g->Add(&b);
    a1.Groups()->Add(); // empty: no series stored
    const QByteArray text = writeText(&a1);

    TGroupsHolder a2(nullptr, &chart);
    readText(text, &a2);
    ASSERT_EQ(a2.Groups()->Count(), 2);
    EXPECT_EQ(a2.Groups()->Get(0)->Name(), "G");
    TCustomSeriesList* list = a2.Groups()->Get(0)->Series();
    ASSERT_EQ(list->Count(), 2);
    EXPECT_EQ(list->Get(0), &a);
    EXPECT_EQ(list->Get(1), &b);
    EXPECT_EQ(a2.Groups()->Get(1)->Series()->Count(), 0);
    EXPECT_EQ(writeText(&a2), text);
}

} // namespace
