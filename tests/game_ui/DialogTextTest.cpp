// What the game's dialogs show and say: every text the program puts into a control
// fits it at the dialog font, and every control has a name for assistive technology.
#include <QAccessible>
#include <QFontMetrics>
#include <QLabel>
#include <functional>
#include <map>

#include "framework/Static.h"
#include "framework/qt/QtWidget.h"
#include "game/engine/StringTable.h"
#include "game/ui/Resource.h"
#include "platform/Format.h"
#include "tests/game_ui/GameFixture.h"

namespace game_ui_test {
namespace {

using namespace lettrino;
using framework::Widget;
using platform::FormatString;

using DialogTextTest = CGameFixture;

// Shows every dialog of the game to `check` on the way through one game: the main
// dialog before it and while it runs, Start Game, Quit Game and About.
void VisitEveryDialog(CGameFixture& f, const std::function<void(framework::CDialog&)>& check) {
    const auto checkAndClose = [&check](framework::CDialog& d) {
        check(d);
        d.EndDialog(framework::CommandOk);
    };
    f.OpenSplatterGame();
    check(*f.m_pDlg);
    f.m_ui.OnNextDialog(checkAndClose);
    f.Click(IDC_START_GAME);
    f.AddWord("SEA");
    f.Type("P");
    check(*f.m_pDlg);
    f.m_ui.OnNextDialog(checkAndClose);
    f.Click(IDC_QUIT_GAME);
    f.m_ui.OnNextDialog(checkAndClose);
    f.Click(IDC_ABOUT);
    EXPECT_TRUE(f.m_ui.ScriptUsedUp());
}

// Whether `text` shows whole in `pControl`: each line within its width, and the lines
// (wrapped, in a label that wraps) within its height.
bool Fits(const QWidget* pControl, const std::string& text) {
    const std::string caption = framework::MnemonicCaption(text);
    QString shown = QString::fromStdString(caption.empty() ? text : caption);
    while (shown.endsWith(u'\n')) {
        shown.chop(1);  // an empty last line shows nothing
    }
    const QFontMetrics metrics(pControl->font());
    const QSize area = pControl->contentsRect().size();
    const auto* pLabel = dynamic_cast<const QLabel*>(pControl);
    if (pLabel && pLabel->wordWrap()) {
        const QRect needed = metrics.boundingRect(QRect(0, 0, area.width(), 1 << 20),
                                                  Qt::AlignLeft | Qt::TextWordWrap, shown);
        // The measure rounds up by a pixel; whole lines are what the label must hold.
        const int lines = needed.height() / metrics.lineSpacing();
        return needed.width() <= area.width() && lines * metrics.lineSpacing() <= area.height();
    }
    const QStringList lines = shown.split(u'\n');
    for (const QString& line : lines) {
        // The pixels the line covers, not its advance, which may end in empty space.
        if (metrics.boundingRect(line).right() >= area.width()) {
            return false;
        }
    }
    return lines.size() * metrics.lineSpacing() <= area.height();
}

TEST_F(DialogTextTest, EveryTextFitsItsControl) {
    // The widest texts the program sets: three-digit counts, the widest letter.
    const std::string wide(16, 'W');
    const struct {
        int nId;
        std::string text;
    } widest[] = {
        {IDC_PUZZLE_WORD, wide},
        {IDC_GAME_SCORE, FormatString(LoadGameString(IDS_GAME_SCORE), {100, 100, 100})},
        {IDC_AVERAGE_SCORE, FormatString(LoadGameString(IDS_AVERAGE_SCORE), {100})},
        {IDC_START_MESSAGE, FormatString(LoadGameString(IDS_START_GAME_TEXT), {wide, 100})},
        {IDC_FOUND_HEADING, FormatString(LoadGameString(IDS_FOUND_HEADING), {100})},
        {IDC_MISSED_HEADING, FormatString(LoadGameString(IDS_MISSED_HEADING), {100})},
    };
    std::vector<std::string> misfits;
    VisitEveryDialog(*this, [&](framework::CDialog& dialog) {
        auto check = [&](int nId, const std::string& text) {
            if (dialog.GetDlgItem(nId) && !Fits(Widget(*dialog.GetDlgItem(nId)), text)) {
                misfits.push_back(text);
            }
        };
        for (const framework::CControlTemplate& control : dialog.GetTemplate().controls) {
            check(control.nId, dialog.GetDlgItemText(control.nId));
        }
        for (const auto& row : widest) {
            check(row.nId, row.text);
        }
    });
    EXPECT_EQ(misfits, std::vector<std::string>{});
}

TEST_F(DialogTextTest, EveryControlIsAnnouncedByAMeaningfulName) {
    const std::map<int, std::string> expected = {
        {IDC_WORD, "Word"},
        {IDC_FIND_WORDS_LABEL, "Find words from the letters of:"},
        {IDC_QUIT_FOUND_LIST, "You found the following 1 words:"},
        {IDC_MISSED_LIST, "In addition, you could have found the following 29 words:"},
        {IDC_ABOUT_ICON, "Lettrino"},
    };
    std::vector<std::string> foundListNames;
    VisitEveryDialog(*this, [&](framework::CDialog& dialog) {
        for (std::size_t i = 0; i < dialog.GetControls().size(); ++i) {
            QWidget* pControl = Widget(*dialog.GetControls()[i]);
            const int nId = dialog.GetTemplate().controls[i].nId;
            const QAccessibleInterface* pAccessible =
                QAccessible::queryAccessibleInterface(pControl);
            const std::string name = pAccessible->text(QAccessible::Name).toStdString();
            const auto* pLabel = dynamic_cast<const QLabel*>(pControl);
            const bool bBlank = pLabel && pLabel->text().isEmpty() && pLabel->pixmap().isNull();
            EXPECT_TRUE(!name.empty() || pControl->isHidden() || bBlank) << nId;
            if (expected.contains(nId)) {
                EXPECT_EQ(name, expected.at(nId));
            }
            if (nId >= IDC_CUBE1 && nId < IDC_CUBE1 + kCubeCount) {  // its letter, or none
                const std::string letter = dialog.GetDlgItemText(nId);
                EXPECT_EQ(name, letter.empty() ? "empty" : letter) << nId;
            }
            if (nId == IDC_FOUND_LIST) {
                foundListNames.push_back(name);
            }
        }
    });
    EXPECT_EQ(foundListNames, (std::vector<std::string>{
                                  "Found words", "Found 1 words from a maximum of 30 (3%):"}));
}

}  // namespace
}  // namespace game_ui_test
