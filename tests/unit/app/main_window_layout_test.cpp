// The main window's controls in creation (= keyboard tab) order with the first bitmap of each; the kinds'
// classes and styles; the orders of a tab switch and of the swatch canvases.
#include "app/main_window_layout.hpp"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/main_commands.hpp"
#include "app/tab_switch.hpp"

namespace veltrim {
namespace {

constexpr ControlKind B = ControlKind::ImageButton, N = ControlKind::NumberBox, S = ControlKind::Spin,
                      R = ControlKind::ReportBox, I = ControlKind::ImageStatic, W = ControlKind::SwatchStatic;

// tabs: the tabs that show it, "A" for all; firstBitmap 0: no image.
struct Expected { int id; ControlKind kind; int x, y, w, h; bool shown; const char* tabs; int firstBitmap; };

constexpr Expected kExpected[] = {
    {1165, B, 758, 5, 20, 20, 1, "A", 4500},     {1166, B, 193, 34, 115, 38, 1, "A", 4503},
    {1167, B, 308, 34, 118, 38, 1, "A", 4506},   {1168, B, 425, 34, 117, 38, 1, "A", 4509},
    {1169, B, 543, 34, 118, 38, 1, "A", 4512},   {1170, B, 661, 34, 117, 38, 1, "A", 4515},
    {1171, B, 609, 91, 155, 38, 1, "A", 4518},   {1172, B, 609, 129, 155, 40, 1, "A", 4521},
    {1173, B, 609, 169, 155, 40, 1, "A", 4524},  {1174, B, 609, 301, 155, 41, 1, "A", 4527},
    {1175, B, 609, 342, 155, 39, 1, "A", 4530},  {1176, B, 370, 301, 20, 21, 1, "013", 4533},
    {1177, B, 223, 289, 165, 29, 0, "2", 4541},  {1178, B, 44, 278, 164, 28, 0, "3", 4544},
    {1179, B, 337, 222, 51, 74, 0, "4", 4547},   {1180, N, 33, 366, 54, 16, 1, "A", 0},
    {1181, S, 33, 366, 10, 16, 1, "A", 0},       {1182, N, 113, 366, 55, 16, 1, "A", 0},
    {1183, S, 113, 366, 10, 16, 1, "A", 0},      {1184, N, 186, 366, 71, 16, 1, "A", 0},
    {1185, S, 186, 366, 10, 16, 1, "A", 0},      {1186, N, 277, 366, 102, 16, 1, "A", 0},
    {1187, S, 277, 366, 10, 16, 1, "A", 0},      {1188, R, 415, 337, 172, 49, 1, "A", 0},
    {1189, W, 415, 85, 167, 239, 1, "A", 0},     {1190, I, 21, 98, 370, 26, 1, "A", 4536},
    {1191, B, 21, 131, 370, 16, 1, "0", 4550},   {1192, B, 21, 147, 370, 17, 1, "0", 4552},
    {1193, B, 21, 164, 370, 18, 1, "0", 4554},   {1194, B, 21, 182, 370, 17, 1, "0", 4556},
    {1195, B, 21, 199, 370, 17, 1, "0", 4558},   {1196, B, 21, 216, 370, 17, 1, "0", 4560},
    {1197, B, 21, 233, 370, 18, 1, "0", 4562},   {1198, B, 21, 251, 370, 17, 1, "0", 4564},
    {1199, B, 21, 268, 370, 17, 1, "0", 4566},   {1200, B, 21, 285, 370, 18, 1, "0", 4568},
    {1201, B, 23, 130, 199, 18, 0, "1", 4570},   {1202, B, 23, 148, 199, 17, 0, "1", 4572},
    {1203, B, 23, 165, 199, 17, 0, "1", 4574},   {1204, B, 23, 182, 199, 17, 0, "1", 4576},
    {1205, B, 23, 199, 199, 18, 0, "1", 4578},   {1206, B, 23, 217, 199, 17, 0, "1", 4580},
    {1207, B, 23, 234, 199, 18, 0, "1", 4582},   {1208, B, 23, 252, 199, 17, 0, "1", 4584},
    {1209, B, 23, 269, 199, 17, 0, "1", 4586},   {1210, B, 222, 199, 136, 35, 0, "1", 4588},
    {1211, B, 222, 234, 136, 35, 0, "1", 4590},  {1212, B, 222, 269, 136, 35, 0, "1", 4592},
    {1213, B, 23, 286, 199, 18, 0, "1", 4594},   {1214, B, 24, 131, 318, 17, 0, "2", 4596},
    {1215, B, 24, 148, 318, 17, 0, "2", 4598},   {1216, B, 24, 165, 318, 17, 0, "2", 4600},
    {1217, B, 24, 182, 318, 18, 0, "2", 4602},   {1218, B, 24, 200, 202, 17, 0, "2", 4604},
    {1219, B, 24, 218, 133, 17, 0, "2", 4606},   {1221, B, 24, 234, 133, 18, 0, "2", 4610},
    {1223, B, 24, 252, 133, 17, 0, "2", 4614},   {1225, B, 24, 269, 133, 17, 0, "2", 4618},
    {1227, B, 24, 286, 133, 17, 0, "2", 4622},   {1220, B, 226, 217, 116, 17, 0, "2", 4608},
    {1222, B, 226, 234, 116, 18, 0, "2", 4612},  {1224, B, 226, 252, 116, 17, 0, "2", 4616},
    {1226, B, 226, 269, 116, 17, 0, "2", 4620},  {1228, B, 24, 303, 133, 18, 0, "2", 4624},
    {1229, B, 30, 140, 49, 17, 0, "3", 4626},    {1230, B, 108, 140, 68, 17, 0, "3", 4628},
    {1231, B, 108, 157, 68, 18, 0, "3", 4630},   {1232, B, 108, 175, 68, 13, 0, "3", 4632},
    {1233, B, 217, 140, 51, 17, 0, "3", 4634},   {1234, B, 217, 157, 51, 18, 0, "3", 4636},
    {1235, B, 217, 175, 51, 13, 0, "3", 4638},   {1236, B, 30, 218, 265, 18, 0, "3", 4640},
    {1271, I, 29, 201, 354, 2, 0, "3", 4668},    {1243, I, 30, 246, 78, 15, 0, "3", 4660},
    {1244, W, 111, 246, 145, 15, 0, "3", 0},     {1245, B, 255, 244, 29, 19, 0, "3", 4666},
    {1237, B, 24, 130, 134, 17, 0, "4", 4642},   {1238, B, 24, 147, 134, 17, 0, "4", 4644},
    {1239, B, 24, 206, 139, 16, 0, "4", 4646},   {1240, B, 24, 222, 194, 19, 0, "4", 4648},
    {1241, B, 24, 241, 171, 17, 0, "4", 4650},   {1242, B, 24, 296, 96, 22, 0, "4", 4652},
    {1246, W, 158, 130, 144, 17, 0, "4", 0},     {1247, B, 302, 130, 29, 19, 0, "4", 4666},
    {1248, I, 53, 164, 29, 20, 0, "4", 4663},    {1249, W, 82, 165, 72, 16, 0, "4", 0},
    {1250, B, 154, 164, 29, 19, 0, "4", 4666},   {1251, I, 195, 164, 36, 20, 0, "4", 4665},
    {1252, W, 231, 165, 72, 16, 0, "4", 0},      {1253, B, 302, 164, 29, 19, 0, "4", 4666},
    {1272, B, 39, 184, 81, 22, 0, "4", 4654},    {1273, B, 120, 184, 111, 22, 0, "4", 4656},
    {1274, B, 231, 184, 117, 22, 0, "4", 4658},  {1254, W, 218, 222, 84, 17, 0, "4", 0},
    {1255, B, 303, 222, 29, 19, 0, "4", 4666},   {1256, I, 53, 258, 16, 38, 0, "4", 4661},
    {1257, W, 69, 260, 85, 16, 0, "4", 0},       {1259, W, 69, 278, 85, 16, 0, "4", 0},
    {1258, B, 154, 258, 29, 19, 0, "4", 4666},   {1260, B, 154, 277, 29, 19, 0, "4", 4666},
    {1261, I, 195, 258, 17, 38, 0, "4", 4662},   {1262, W, 212, 260, 90, 16, 0, "4", 0},
    {1264, W, 212, 278, 90, 16, 0, "4", 0},      {1263, B, 303, 258, 29, 19, 0, "4", 4666},
    {1265, B, 303, 277, 29, 19, 0, "4", 4666},   {1266, W, 127, 299, 84, 16, 0, "4", 0},
    {1267, B, 212, 298, 29, 19, 0, "4", 4666},   {1268, N, 247, 300, 85, 16, 0, "4", 0},
    {1269, S, 247, 298, 10, 16, 0, "4", 0},      {1270, I, 332, 296, 16, 22, 0, "4", 4664},
};

TEST(MainWindowLayout, EveryControlWithItsPlaceKindTabsAndFirstBitmap) {
  ASSERT_EQ(std::size(kMainControls), std::size(kExpected));
  std::map<int, int> bitmapOwners;
  for (std::size_t i = 0; i < std::size(kExpected); ++i) {
    const Expected& e = kExpected[i];
    const MainControl& c = kMainControls[i];
    SCOPED_TRACE("control " + std::to_string(e.id) + ", created " + std::to_string(i + 1) + ".");
    EXPECT_EQ(c.id, e.id);
    EXPECT_EQ(c.kind, e.kind);
    EXPECT_EQ((std::vector{c.x, c.y, c.width, c.height}), (std::vector{e.x, e.y, e.w, e.h}));
    EXPECT_EQ(c.shown, e.shown);
    TabMask tabs = 0;
    for (const char* t = e.tabs; *t; ++t) tabs |= *t == 'A' ? kAllTabs : TabBit(*t - '0');
    EXPECT_EQ(c.tabs, tabs);
    EXPECT_EQ(c.firstBitmap, e.firstBitmap);
    EXPECT_EQ(c.BitmapCount() > 0, e.firstBitmap != 0);
    for (int b = c.firstBitmap; b < c.firstBitmap + c.BitmapCount(); ++b) ++bitmapOwners[b];
    EXPECT_EQ(FindControl(e.id), &c);
  }
  // Each image 4500..4668 belongs to one control, but the colour buttons share 4666 and 4667.
  ASSERT_EQ(bitmapOwners.size(), 169u);
  EXPECT_EQ(bitmapOwners.begin()->first, 4500);
  for (const auto& [bitmap, owners] : bitmapOwners) EXPECT_EQ(owners, bitmap / 2 == 4666 / 2 ? 10 : 1) << bitmap;
  EXPECT_EQ(FindControl(kBackgroundStatic), nullptr);
}

TEST(MainWindowLayout, ClassesAndStylesOfTheKinds) {
  struct Kind { ControlKind kind; const char* name; std::uint32_t shown, hidden; };
  // The report box is created hidden, then shown by ShowWindow.
  for (const Kind& k : {Kind{B, "BUTTON", 0x5001000B, 0x4001000B}, Kind{N, "EDIT", 0x50012081, 0x40012081},
                        Kind{S, "msctls_updown32", 0x50000136, 0x40000136}, Kind{R, "RichEdit", 0x40212C04, 0x40212C04},
                        Kind{I, "STATIC", 0x5000000E, 0x4000000E}, Kind{W, "STATIC", 0x50000000, 0x40000000}}) {
    EXPECT_EQ(ClassOf(k.kind).name, k.name);
    for (const bool shown : {true, false})
      EXPECT_EQ(CreationStyle({0, k.kind, 0, 0, 1, 1, shown, kAllTabs, ""}), shown ? k.shown : k.hidden) << k.name;
  }
}

TEST(MainWindowLayout, TabSwitchShowsAndHidesInItsFixedOrder) {
  std::vector<int> order;
  for (const IdRange r : {IdRange{1191, 1270}, {1176, 1179}, {1271, 1274}})
    for (int id = r.first; id <= r.last; ++id) order.push_back(id);
  for (int tab = -1; tab <= kTabCount; ++tab) {
    std::vector<int> ids;
    for (const ControlShow& c : TabControlVisibility(tab)) {
      ids.push_back(c.id);
      ASSERT_NE(FindControl(c.id), nullptr) << c.id;
      EXPECT_EQ(c.shown, FindControl(c.id)->OnTab(tab)) << "tab " << tab << ", control " << c.id;
    }
    EXPECT_EQ(ids, order) << "tab " << tab;
  }
}

TEST(MainWindowLayout, SwatchCanvasesAttachInTheirFixedOrder) {
  std::vector<int> statics;
  for (const int slot : kSwatchAttachSlots) statics.push_back(kColourSwatches[slot]);
  EXPECT_EQ(statics, (std::vector{1244, 1266, 1249, 1252, 1246, 1257, 1262, 1259, 1264, 1254}));
}

}  // namespace
}  // namespace veltrim
