// The application's resource tables held against the expected menu bar, accelerators,
// strings and About box. Expected ids are written as plain numbers, so a wrong
// constant cannot hide behind the same constant in the expectation.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/app/expected_accelerators.h"
#include "app/resources/about_dialog_resource.h"
#include "app/resources/accelerator_resource.h"
#include "app/resources/menu_resource.h"
#include "app/resources/string_resource.h"

namespace {

struct ExpectedItem {
  std::string text;
  unsigned id;
  unsigned flags;
};

struct ExpectedPopup {
  std::string text;
  unsigned flags;
  std::vector<ExpectedItem> items;
};

const ExpectedItem kSeparator{"", 0, 0};

TEST(MenuResource, EveryPopupItemIdAndFlagInOrder) {
  const std::vector<ExpectedPopup> expected = {
      {"文件(&F)", 0,
       {{"新建(&N)\tCtrl+N", 57600, 0},
        {"打开(&O)...\tCtrl+O", 57601, 0},
        {"保存(&S)\tCtrl+S", 57603, 0},
        {"另存为(&A)...", 57604, 0},
        kSeparator,
        {"最近文件", 57616, MF_GRAYED},
        kSeparator,
        {"退出(&X)", 57665, MF_END}}},
      {"颜色", 0,
       {{"红色", 32771, 0}, {"绿色", 32772, 0}, {"黄色", 32773, 0}, {"蓝色", 32774, MF_END}}},
      {"编辑(&E)", 0,
       {{"撤消(&U)\tCtrl+Z", 57643, 0},
        kSeparator,
        {"剪切(&T)\tCtrl+X", 57635, 0},
        {"复制(&C)\tCtrl+C", 57634, 0},
        {"粘贴(&P)\tCtrl+V", 57637, MF_END}}},
      {"帮助(&H)", MF_END, {{"关于", 57664, MF_END}}},
  };
  EXPECT_EQ(kMainFrameMenu.id, 128u);
  ASSERT_EQ(kMainFrameMenu.popups.size(), expected.size());
  for (std::size_t p = 0; p < expected.size(); ++p) {
    const MenuPopup& popup = kMainFrameMenu.popups[p];
    SCOPED_TRACE(expected[p].text);
    EXPECT_EQ(popup.text, expected[p].text);
    EXPECT_EQ(popup.flags, expected[p].flags);
    ASSERT_EQ(popup.items.size(), expected[p].items.size());
    for (std::size_t i = 0; i < popup.items.size(); ++i) {
      const MenuItem& item = popup.items[i];
      SCOPED_TRACE(i);
      EXPECT_EQ(item.text, expected[p].items[i].text);
      EXPECT_EQ(item.id, expected[p].items[i].id);
      EXPECT_EQ(item.flags, expected[p].items[i].flags);
      EXPECT_EQ(IsSeparator(item), expected[p].items[i].id == 0);
    }
  }
  EXPECT_EQ(FindMenuResource(128), &kMainFrameMenu);
  EXPECT_EQ(FindMenuResource(129), nullptr);
}

TEST(AcceleratorResource, AllThirteenEntriesWithKeysModifiersAndIds) {
  const auto& expected = kExpectedAccelerators;
  EXPECT_EQ(kMainFrameAccelerators.id, 128u);
  ASSERT_EQ(kMainFrameAccelerators.entries.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const Accelerator& entry = kMainFrameAccelerators.entries[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(entry.key, expected[i].key);
    EXPECT_EQ(entry.modifiers, expected[i].modifiers);
    EXPECT_EQ(entry.id, expected[i].id);
  }
  EXPECT_EQ(FindAcceleratorResource(128), &kMainFrameAccelerators);
  EXPECT_EQ(FindAcceleratorResource(100), nullptr);
}

// The complete string table: every entry and nothing else.
const std::vector<std::pair<unsigned, std::string>>& ExpectedStrings() {
  static const std::vector<std::pair<unsigned, std::string>> strings = [] {
    std::vector<std::pair<unsigned, std::string>> s = {
        {128, "Vell\n\nVell\n\n\nVell.Document\nVell Document"},
        {57344, "Vell"},
        {57345, "就绪"},
        {57600, "建立新文档\n新建"},
        {57601, "打开一个现有文档\n打开"},
        {57602, "关闭活动文档\n关闭"},
        {57603, "保存活动文档\n保存"},
        {57604, "将活动文档以一个新文件名保存\n另存为"},
    };
    for (unsigned id = 57616; id <= 57631; ++id) s.push_back({id, "打开该文档"});
    const std::vector<std::pair<unsigned, std::string>> rest = {
        {57632, "删除被选对象\n删除"},
        {57633, "全部删除\n全部删除"},
        {57634, "复制被选对象并将其置于剪贴板上\n复制"},
        {57635, "剪切被选对象并将其置于剪贴板上\n剪切"},
        {57636, "查找指定的正文\n查找"},
        {57637, "插入剪贴板内容\n粘贴"},
        {57640, "重复上一步操作\n重复"},
        {57641, "用不同的正文替换指定的正文\n替换"},
        {57642, "选择整个文档\n选择全部"},
        {57643, "撤消最后一步操作\n撤消"},
        {57644, "重新执行先前已撤消的操作\n重新执行"},
        {57653, "将活动的窗口分隔成窗格\n分隔"},
        {57664, "显示程序信息，版本号和版权\n关于"},
        {57665, "退出应用程序；提示保存文档\n退出"},
        {57680, "切换到下一个窗格\n下一窗格"},
        {57681, "切换回前一个窗格\n前一窗格"},
        {59136, "扩展名"},
        {59137, "大写"},
        {59138, "数字"},
        {59139, "滚动"},
        {59140, "改写"},
        {59141, "记录"},
        {61184, "改变窗口大小"},
        {61185, "改变窗口位置"},
        {61186, "将窗口缩小成图标"},
        {61187, "把窗口放大到最大尺寸"},
        {61188, "切换到下一个文档窗口"},
        {61189, "切换到先前的文档窗口"},
        {61190, "关闭活动的窗口并提示保存所有文档"},
        {61202, "把窗口恢复到正常大小"},
        {61203, "激活任务表"},
    };
    s.insert(s.end(), rest.begin(), rest.end());
    return s;
  }();
  return strings;
}

TEST(StringResource, EveryEntryLoadsItsExactText) {
  for (const auto& [id, text] : ExpectedStrings()) {
    const char* loaded = LoadString(id);
    ASSERT_NE(loaded, nullptr) << id;
    EXPECT_EQ(loaded, text) << id;
  }
}

TEST(StringResource, TableHoldsNothingElseAndEachIdOnce) {
  std::set<unsigned> expectedIds;
  for (const auto& entry : ExpectedStrings()) expectedIds.insert(entry.first);
  std::set<unsigned> seen;
  for (const StringEntry& entry : kStringTable) {
    EXPECT_TRUE(seen.insert(entry.id).second) << "twice: " << entry.id;
    EXPECT_TRUE(expectedIds.count(entry.id)) << "unexpected: " << entry.id;
  }
  EXPECT_EQ(seen, expectedIds);
  // Ids around the table's entries find nothing rather than a neighbour.
  for (unsigned id : {0u, 127u, 129u, 57346u, 57605u, 57615u, 57638u, 59142u, 61440u}) {
    EXPECT_EQ(LoadString(id), nullptr) << id;
  }
}

TEST(StringResource, DocumentTemplateStringHasItsSevenFields) {
  const std::string text = LoadString(128);
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    fields.push_back(text.substr(start, end - start));
  }
  fields.push_back(text.substr(start));
  const std::vector<std::string> expected = {"Vell", "", "Vell", "", "", "Vell.Document",
                                             "Vell Document"};
  EXPECT_EQ(fields, expected);
}

TEST(AboutDialogResource, TemplateStyleCaptionFontAndControls) {
  const DialogTemplate& t = kAboutBoxTemplate;
  EXPECT_EQ(t.id, 100u);
  EXPECT_EQ((std::vector<int>{t.x, t.y, t.cx, t.cy}), (std::vector<int>{0, 0, 235, 55}));
  EXPECT_EQ(t.style, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
  EXPECT_EQ(t.exStyle, 0u);
  EXPECT_STREQ(t.caption, "关于 ");
  EXPECT_STREQ(t.font.face, "宋体");
  EXPECT_EQ(t.font.pointSize, 9);
  EXPECT_EQ(t.font.weight, 0);
  EXPECT_FALSE(t.font.italic);
  EXPECT_EQ(t.font.charset, 0u);

  const struct {
    DialogControlClass controlClass;
    int id;
    int x, y, cx, cy;
    unsigned style;
  } expected[] = {
      {DialogControlClass::kStatic, -1, 11, 17, 20, 20, WS_CHILD | WS_VISIBLE | SS_ICON},
      {DialogControlClass::kStatic, -1, 40, 10, 119, 8,
       WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT | SS_NOPREFIX},
      {DialogControlClass::kStatic, -1, 40, 25, 119, 8, WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT},
      {DialogControlClass::kButton, 1, 178, 7, 50, 14,
       WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON},
  };
  ASSERT_EQ(t.controls.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const DialogControl& c = t.controls[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(c.controlClass, expected[i].controlClass);
    EXPECT_EQ(c.id, expected[i].id);
    EXPECT_EQ((std::vector<int>{c.x, c.y, c.cx, c.cy}),
              (std::vector<int>{expected[i].x, expected[i].y, expected[i].cx, expected[i].cy}));
    EXPECT_EQ(c.style, expected[i].style);
  }
  EXPECT_EQ(t.controls[0].iconId, 128u);
  EXPECT_STREQ(t.controls[1].text, " 1.0 版");
  // The second line is ours: one line of text without a line break.
  EXPECT_GT(std::string(t.controls[2].text).size(), 0u);
  EXPECT_EQ(std::string(t.controls[2].text).find('\n'), std::string::npos);
  EXPECT_STREQ(t.controls[3].text, "确定");
  EXPECT_EQ(FindDialogTemplate(100), &kAboutBoxTemplate);
}

}  // namespace
