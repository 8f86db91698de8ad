// The options dialog. The controls change nothing until OK or Apply reads
// them into the settings record and ApplySettings puts it into effect;
// Cancel reads the file back. Only the preview, the power switch and the
// enabling of dependent controls react at once, and Test and Setup.
#include "ui/options_dlg_win.h"

#include <commctrl.h>

#include <cstdio>

#include "app/apply_win.h"
#include "app/dialogs_win.h"
#include "app/globals_win.h"
#include "calendar/calendar_dlg_win.h"
#include "app/light_string_win.h"
#include "media/midi_win.h"
#include "media/sound_win.h"
#include "resource.h"
#include "saver/saver_win.h"
#include "saver/setup_dlg_win.h"
#include "settings/settings_win.h"
#include "ui/dialog_common_win.h"
#include "ui/dialog_rules.h"
#include "ui/help_dlg_win.h"
#include "ui/music_list_win.h"
#include "ui/owner_draw_win.h"
#include "ui/preview.h"
#include "ui/tooltips_win.h"
#include "ui/warnpower_dlg_win.h"
#include "ui/zoom_win.h"

namespace {

const char kKeyClick[] = "Keyclick";
constexpr int kPictureItemHeight = 36;
constexpr int kMusicItemHeight = 18;

// There is one options dialog at a time.
struct OptionsState {
    festoon::Settings atOpening; // Music, Power and OwnWindow as they were; Apply keeps them
    int workingRate = 2;
    int workingPower = 1;
    int musicListChanged = 0;
    int noMidiFiles = 0;    // the "No MIDI files found." line stays
    int bitmapReported = 0; // the power switch's missing pictures, reported once
};
OptionsState gState;
festoon::Preview gPreview; // its pattern carries over from one opening to the next
TooltipSet gTips;

void SetText(HWND dlg, int id, int stringId) {
    char text[128] = "";
    LoadStringA(gInstance, stringId, text, sizeof text);
    SetDlgItemTextA(dlg, id, text);
}

void Check(HWND dlg, int id, int on) { CheckDlgButton(dlg, id, on ? BST_CHECKED : BST_UNCHECKED); }
int Checked(HWND dlg, int id) { return IsDlgButtonChecked(dlg, id) == BST_CHECKED ? 1 : 0; }
void Enable(HWND dlg, int id, int on) { EnableWindow(GetDlgItem(dlg, id), on ? TRUE : FALSE); }

void UncheckAndDisable(HWND dlg, int id) {
    Check(dlg, id, 0);
    Enable(dlg, id, 0);
}

int Selection(HWND dlg, int id) {
    return static_cast<int>(SendDlgItemMessageA(dlg, id, CB_GETCURSEL, 0, 0));
}

void FillFromStrings(HWND dlg, int id, int firstString) {
    char text[128];
    for (int s = firstString; LoadStringA(gInstance, s, text, sizeof text) > 0; ++s)
        SendDlgItemMessageA(dlg, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

void ShowNowPlaying(HWND dlg, const char* name) {
    char format[32] = "Playing: %s";
    LoadStringA(gInstance, IDS_PLAYING, format, sizeof format);
    char line[MAX_PATH + 40];
    std::snprintf(line, sizeof line, format, name ? name : "");
    SetDlgItemTextA(dlg, IDC_OPT_NOWPLAYING, line);
}

void ApplyStyleRules(HWND dlg) {
    const int item = Selection(dlg, IDC_OPT_STYLE);
    if (festoon::BrokenAllowed(item))
        Enable(dlg, IDC_OPT_BROKEN, 1);
    else
        UncheckAndDisable(dlg, IDC_OPT_BROKEN);
    if (festoon::ChangeBulbsAllowed(item))
        Enable(dlg, IDC_OPT_CHANGEBULBS, 1);
    else
        UncheckAndDisable(dlg, IDC_OPT_CHANGEBULBS);
}

// The selection field of a picture list is as high as its items. Set here as
// well as in WM_MEASUREITEM: some systems size the field before the dialog
// can answer.
void SetPictureItemHeight(HWND dlg, int id) {
    SendDlgItemMessageA(dlg, id, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), kPictureItemHeight);
    SendDlgItemMessageA(dlg, id, CB_SETITEMHEIGHT, 0, kPictureItemHeight);
}

void InitModeAndBulbs(HWND dlg) {
    const festoon::Settings& s = gSettings;
    CheckRadioButton(dlg, IDC_OPT_MODE_FIRST, IDC_OPT_MODE_LAST, IDC_OPT_MODE_FIRST + s.Mode);
    gPreview.mode = s.Mode;
    gPreview.pattern = festoon::PatternForMode(s.Mode, gPreview.pattern);
    Check(dlg, IDC_OPT_BURNEDOUT, s.BurnedOut);
    Check(dlg, IDC_OPT_BROKEN, s.Broken);
    Check(dlg, IDC_OPT_CHANGEBULBS, s.ChangeLights);
    SendDlgItemMessageA(dlg, IDC_OPT_STYLE, WM_SETFONT, reinterpret_cast<WPARAM>(gFont8), FALSE);
    FillFromStrings(dlg, IDC_OPT_STYLE, IDS_STYLE_RANDOM);
    SetPictureItemHeight(dlg, IDC_OPT_STYLE);
    SendDlgItemMessageA(dlg, IDC_OPT_STYLE, CB_SETCURSEL, s.BulbType + 1, 0);
    if (s.BulbType + 1 > 1) UncheckAndDisable(dlg, IDC_OPT_BROKEN);
    if (s.BulbType != -1) UncheckAndDisable(dlg, IDC_OPT_CHANGEBULBS);
    FillFromStrings(dlg, IDC_OPT_SAVERTYPE, IDS_SAVER_FIRST);
    SendDlgItemMessageA(dlg, IDC_OPT_SAVERTYPE, CB_SETCURSEL, s.SSType, 0);
}

void InitSystemMenu(HWND dlg) {
    HMENU menu = GetSystemMenu(dlg, FALSE);
    if (menu == nullptr) return;
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_ABOUT, "&About Festoon...");
}

void InitMusic(HWND dlg) {
    Check(dlg, IDC_OPT_MUSIC, gSettings.Music);
    if (!MIDIDeviceAvailable()) {
        UncheckAndDisable(dlg, IDC_OPT_MUSIC);
        Enable(dlg, IDC_OPT_MUSICLIST, 0);
    }
}

void InitPowerAndColors(HWND dlg) {
    const festoon::Settings& s = gSettings;
    Check(dlg, IDC_OPT_OWNWINDOW, s.OwnWindow);
    SetText(dlg, IDC_OPT_POWERNAME, festoon::PowerNameId(s.Power));
    Check(dlg, IDC_OPT_MORELIGHTS, s.NotSoMany == 0);
    for (const char* entry : festoon::kColorEntries)
        SendDlgItemMessageA(dlg, IDC_OPT_COLOR, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    SetPictureItemHeight(dlg, IDC_OPT_COLOR);
    SendDlgItemMessageA(dlg, IDC_OPT_COLOR, CB_SETCURSEL, s.Color + 1, 0);
}

void InitMusicList(HWND dlg) {
    SendDlgItemMessageA(dlg, IDC_OPT_MUSICLIST, WM_SETFONT, reinterpret_cast<WPARAM>(gFont8),
                        FALSE);
    if (FillMusicList(dlg, IDC_OPT_MUSICLIST) > 0) {
        SelectPlayList(dlg, IDC_OPT_MUSICLIST);
        return;
    }
    UncheckAndDisable(dlg, IDC_OPT_MUSIC);
    Enable(dlg, IDC_OPT_MUSICLIST, 0);
    gSettings.Music = 0;
    gState.noMidiFiles = 1;
    SetText(dlg, IDC_OPT_NOWPLAYING, IDS_NO_MIDI_FILES);
}

void InitRate(HWND dlg) {
    gState.workingRate = festoon::ClampRate(gSettings.Rate);
    HWND bar = GetDlgItem(dlg, IDC_OPT_RATE);
    SendMessageA(bar, TBM_SETRANGE, TRUE, MAKELPARAM(0, festoon::kRateCount - 1));
    SendMessageA(bar, TBM_SETTICFREQ, 1, 0);
    SendMessageA(bar, TBM_SETLINESIZE, 0, 1);
    SendMessageA(bar, TBM_SETPAGESIZE, 0, 1);
    SendMessageA(bar, TBM_SETPOS, TRUE, gState.workingRate);
    SetText(dlg, IDC_OPT_RATENAME, festoon::RateNameId(gState.workingRate));
}

void InitSaverAndMisc(HWND dlg) {
    const festoon::Settings& s = gSettings;
    Check(dlg, IDC_OPT_IDLEPROCESS, s.IdleProcess);
    Check(dlg, IDC_OPT_MISSING, s.MissingBulbs);
    Check(dlg, IDC_OPT_SAVER, s.ScreenSaver);
    Enable(dlg, IDC_OPT_SAVERTEST, s.ScreenSaver);
    Enable(dlg, IDC_OPT_SAVERSETUP, s.ScreenSaver);
    Check(dlg, IDC_OPT_ZOOM, s.Zoom);
    Check(dlg, IDC_OPT_SOUND, s.Sound);
}

void OnInitDialog(HWND dlg) {
    gDialogs.options.hwnd = dlg;
    gDialogs.options.open = 1;
    gState = OptionsState{};
    gState.atOpening = gSettings;
    PlaceDialog(dlg);
    ZoomOpenDialog(dlg);
    InitModeAndBulbs(dlg);
    InitSystemMenu(dlg);
    InitMusic(dlg);
    gState.workingPower = gSettings.Power ? 1 : 0;
    InitPowerAndColors(dlg);
    InitMusicList(dlg);
    InitRate(dlg);
    InitSaverAndMisc(dlg);
    BringToFront(dlg);
    CreateTooltips(&gTips, dlg, festoon::kOptionsTips, festoon::kOptionsTipCount);
    Check(dlg, IDC_OPT_STARTOPTIONS, gSettings.StartOptions);
    Enable(dlg, IDC_OPT_APPLY, 0);
    SetTimer(dlg, IDT_OPT_PREVIEW, festoon::kPreviewTickMs, nullptr);
    Check(dlg, IDC_OPT_KEYLIGHTS, gSettings.KeyLights);
    SetClassLongPtrA(dlg, GCLP_HICON, reinterpret_cast<LONG_PTR>(LoadIconA(gInstance, "AAAIcon")));
    if (gSettings.Music) {
        MIDIReportNowPlaying();
    } else if (!gState.noMidiFiles) {
        SetText(dlg, IDC_OPT_NOWPLAYING, IDS_PLAYING_NOTHING);
        Enable(dlg, IDC_OPT_MUSICLIST, 0);
    }
    char version[16];
    if (LoadStringA(gInstance, IDS_VERSION, version, sizeof version) > 0)
        SetDlgItemTextA(dlg, IDC_OPT_VERSION, version);
    Check(dlg, IDC_OPT_NOFLICKER, gSettings.NoFlicker);
}

void ReadControls(HWND dlg) {
    festoon::Settings& s = gSettings;
    for (int id = IDC_OPT_MODE_FIRST; id <= IDC_OPT_MODE_LAST; ++id)
        if (Checked(dlg, id)) s.Mode = id - IDC_OPT_MODE_FIRST;
    // An empty selection keeps the value the record has.
    if (Selection(dlg, IDC_OPT_COLOR) >= 0) s.Color = Selection(dlg, IDC_OPT_COLOR) - 1;
    s.Rate = festoon::ClampRate(
        static_cast<int>(SendDlgItemMessageA(dlg, IDC_OPT_RATE, TBM_GETPOS, 0, 0)));
    if (Selection(dlg, IDC_OPT_STYLE) >= 0) s.BulbType = Selection(dlg, IDC_OPT_STYLE) - 1;
    if (Selection(dlg, IDC_OPT_SAVERTYPE) >= 0) s.SSType = Selection(dlg, IDC_OPT_SAVERTYPE);
    s.Broken = Checked(dlg, IDC_OPT_BROKEN);
    s.ChangeLights = Checked(dlg, IDC_OPT_CHANGEBULBS);
    s.BurnedOut = Checked(dlg, IDC_OPT_BURNEDOUT);
    s.Power = gState.workingPower;
    s.OwnWindow = Checked(dlg, IDC_OPT_OWNWINDOW);
    s.Music = Checked(dlg, IDC_OPT_MUSIC);
    s.NotSoMany = Checked(dlg, IDC_OPT_MORELIGHTS) ? 0 : 1;
    s.ScreenSaver = Checked(dlg, IDC_OPT_SAVER);
    s.Zoom = Checked(dlg, IDC_OPT_ZOOM);
    s.Sound = Checked(dlg, IDC_OPT_SOUND);
    s.StartOptions = Checked(dlg, IDC_OPT_STARTOPTIONS);
    s.KeyLights = Checked(dlg, IDC_OPT_KEYLIGHTS);
    s.IdleProcess = Checked(dlg, IDC_OPT_IDLEPROCESS);
    s.NoFlicker = Checked(dlg, IDC_OPT_NOFLICKER);
    s.MissingBulbs = Checked(dlg, IDC_OPT_MISSING);
}

void SavePlayList(HWND dlg) {
    if (WritePlayList(dlg, IDC_OPT_MUSICLIST) > 0) return;
    char text[128] = "No music has been selected, so music will be turned off.";
    LoadStringA(gInstance, IDS_NO_MUSIC_CHOSEN, text, sizeof text);
    MessageBoxA(dlg, text, kAppTitle, MB_ICONINFORMATION);
    gSettings.Music = 0;
    Check(dlg, IDC_OPT_MUSIC, 0);
    Enable(dlg, IDC_OPT_MUSICLIST, 0);
}

// After OK or Cancel. The lights around the dialog are repainted at once;
// the system repaints the area under it as it uncovers it. All of this comes
// before EndDialog: EndDialog hides the dialog at once on some systems, and
// validating its rectangle after that would cancel the repaint of what it
// uncovered, leaving a picture of the dialog on the desktop.
void CloseOptions(HWND dlg, int cancelled) {
    RecordActivity();
    RemoveTooltips(&gTips);
    KillTimer(dlg, IDT_OPT_PREVIEW);
    RECT covered;
    GetWindowRect(dlg, &covered);
    if (cancelled) RepaintDesktop();
    HWND desktop = gDesktop ? gDesktop : GetDesktopWindow();
    InvalidateRect(desktop, nullptr, TRUE);
    ValidateRect(desktop, &covered);
    UpdateWindow(desktop);
    EndDialog(dlg, 1);
    gDialogs.options.open = 0;
    gDialogs.options.hwnd = nullptr;
}

void OnApply(HWND dlg, int ok) {
    if (!ok) {
        SendMessageA(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dlg, IDOK)), TRUE);
        Enable(dlg, IDC_OPT_APPLY, 0);
    }
    ReadControls(dlg);
    if (gSettings.Music) SavePlayList(dlg);
    if (!gSettings.Music) MIDIStop();
    ApplySettings(gState.atOpening, gState.musicListChanged);
    gState.musicListChanged = 0;
    if (!ok) return;
    if (!gSettings.Power) RunWarnPowerDialog(dlg);
    CloseOptions(dlg, 0);
}

void OnCancel(HWND dlg) {
    LoadSettingsFile();
    CloseOptions(dlg, 1);
}

void OnQuit(HWND dlg) {
    RemoveTooltips(&gTips);
    PostMessageA(gMainWnd, WM_SYSCOMMAND, IDM_EXIT, 0);
    EndDialog(dlg, 0);
    gDialogs.options.open = 0;
    gDialogs.options.hwnd = nullptr;
}

void OnPowerSwitch(HWND dlg) {
    gState.workingPower = 1 - gState.workingPower;
    HWND button = GetDlgItem(dlg, IDC_OPT_POWER);
    InvalidateRect(button, nullptr, FALSE);
    UpdateWindow(button);
    SetText(dlg, IDC_OPT_POWERNAME, festoon::PowerNameId(gState.workingPower));
}

// Every button but "Draw in own Taskbar" and "Prevent Flicker" clicks.
bool ClicksKey(int id) { return id != IDC_OPT_OWNWINDOW && id != IDC_OPT_NOFLICKER; }

void OnButton(HWND dlg, int id) {
    if (ClicksKey(id)) PlaySoundEffect(kKeyClick);
    if (id >= IDC_OPT_MODE_FIRST && id <= IDC_OPT_MODE_LAST) {
        gPreview.mode = id - IDC_OPT_MODE_FIRST;
        gPreview.pattern = festoon::PatternForMode(gPreview.mode, gPreview.pattern);
        return;
    }
    switch (id) {
    case IDC_OPT_MUSIC:
        Enable(dlg, IDC_OPT_MUSICLIST, Checked(dlg, IDC_OPT_MUSIC));
        break;
    case IDC_OPT_SAVER:
        Enable(dlg, IDC_OPT_SAVERTEST, Checked(dlg, IDC_OPT_SAVER));
        Enable(dlg, IDC_OPT_SAVERSETUP, Checked(dlg, IDC_OPT_SAVER));
        break;
    case IDC_OPT_SAVERTEST:
        if (Selection(dlg, IDC_OPT_SAVERTYPE) >= 0)
            gSettings.SSType = Selection(dlg, IDC_OPT_SAVERTYPE);
        StartScreenSaver();
        break;
    case IDC_OPT_SAVERSETUP:
        if (Selection(dlg, IDC_OPT_SAVERTYPE) >= 0)
            gSettings.SSType = Selection(dlg, IDC_OPT_SAVERTYPE);
        RunSaverSetupDialog(dlg);
        break;
    case IDC_OPT_POWER:
        OnPowerSwitch(dlg);
        break;
    case IDM_ABOUT:
        OpenAbout(dlg);
        break;
    case IDC_OPT_CALENDAR:
        RunCalendarDialog(dlg);
        break;
    case IDC_OPT_HELP:
        RunHelpDialog(dlg);
        break;
    case IDOK:
    case IDC_OPT_APPLY:
        OnApply(dlg, id == IDOK);
        break;
    case IDCANCEL:
        OnCancel(dlg);
        break;
    case IDC_OPT_QUIT:
        OnQuit(dlg);
        break;
    default: // check boxes toggle themselves
        break;
    }
}

void OnCommand(HWND dlg, int id, int code) {
    RecordActivity();
    // Only a press or a new selection is a change; focus and drop-down
    // notifications leave "Apply" as it is.
    // The power switch turns at every press, also the second of a double click.
    if (code == BN_DOUBLECLICKED && id == IDC_OPT_POWER) code = BN_CLICKED;
    if (code == BN_CLICKED) {
        Enable(dlg, IDC_OPT_APPLY, 1);
        OnButton(dlg, id);
    } else if (code == CBN_SELCHANGE) { // the same code as LBN_SELCHANGE
        Enable(dlg, IDC_OPT_APPLY, 1);
        if (id == IDC_OPT_MUSICLIST)
            gState.musicListChanged = 1;
        else
            ApplyStyleRules(dlg);
    }
}

void OnRateSlider(HWND dlg) {
    Enable(dlg, IDC_OPT_APPLY, 1);
    gState.workingRate = festoon::ClampRate(
        static_cast<int>(SendDlgItemMessageA(dlg, IDC_OPT_RATE, TBM_GETPOS, 0, 0)));
    SendDlgItemMessageA(dlg, IDC_OPT_RATE, TBM_SETPOS, TRUE, gState.workingRate);
    SetText(dlg, IDC_OPT_RATENAME, festoon::RateNameId(gState.workingRate));
}

void OnPreviewTimer(HWND dlg) {
    if (!festoon::PreviewTick(gPreview, gState.workingRate)) return;
    PaintPreview(dlg, IDC_OPT_PREVIEW, gPreview.pattern);
    festoon::PreviewAfterPaint(gPreview);
}

void OnPaint(HWND dlg) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(dlg, &ps);
    RaisedFrame(dlg, hdc, 2);
    EndPaint(dlg, &ps);
    PaintPreview(dlg, IDC_OPT_PREVIEW, gPreview.pattern);
}

void OnDrawItem(HWND dlg, const DRAWITEMSTRUCT* dis) {
    PaintPictureListItem(dis);
    PaintMusicListItem(dis);
    PaintPowerSwitch(dlg, dis, gState.workingPower, &gState.bitmapReported);
}

void OnMeasureItem(MEASUREITEMSTRUCT* mis) {
    if (mis->CtlType == ODT_COMBOBOX) mis->itemHeight = kPictureItemHeight;
    if (mis->CtlType == ODT_LISTBOX) mis->itemHeight = kMusicItemHeight;
}

INT_PTR OnSysCommand(HWND dlg, WPARAM wParam) {
    if (wParam == IDM_ABOUT) {
        OpenAbout(dlg);
        return TRUE;
    }
    if ((wParam & 0xFFF0) == SC_CLOSE) {
        PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
        return TRUE;
    }
    return FALSE;
}

#ifdef FESTOON_TEST_BUILD
// Lets the tests read what a user cannot see (wParam 0: how many key clicks
// sounded) and, wParam 1, offer the music controls as a MIDI device would,
// which this test machine lacks; wParam 2 sends an overlong now-playing report.
UINT ProbeMessage() {
    static UINT msg = RegisterWindowMessageA("FestoonOptionsProbe");
    return msg;
}

LRESULT OnProbe(HWND dlg, WPARAM op) {
    if (op == 1) {
        Check(dlg, IDC_OPT_MUSIC, gSettings.Music);
        Enable(dlg, IDC_OPT_MUSIC, 1);
        Enable(dlg, IDC_OPT_MUSICLIST, gSettings.Music);
        return 1;
    }
    if (op == 2) { // a now-playing report far longer than any file name
        static char name[5000];
        for (char& c : name) c = 'x';
        name[sizeof name - 1] = '\0';
        SendMessageA(dlg, WM_NOWPLAYING, 0, reinterpret_cast<LPARAM>(name));
        return 1;
    }
    return SoundEffectsStarted();
}
#endif

INT_PTR CALLBACK OptionsDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        OnInitDialog(dlg);
        return TRUE;
    case WM_COMMAND:
        OnCommand(dlg, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_HSCROLL:
        if (reinterpret_cast<HWND>(lParam) != GetDlgItem(dlg, IDC_OPT_RATE)) return FALSE;
        OnRateSlider(dlg);
        return TRUE;
    case WM_TIMER:
        if (wParam != IDT_OPT_PREVIEW) return FALSE;
        OnPreviewTimer(dlg);
        return TRUE;
    case WM_PAINT:
        OnPaint(dlg);
        return TRUE;
    case WM_DRAWITEM:
        OnDrawItem(dlg, reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_MEASUREITEM:
        OnMeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_NOTIFY:
        return SupplyTipText(&gTips, lParam) ? TRUE : FALSE;
    case WM_CONTEXTMENU:
        ShowDialogMenu(dlg, lParam, 1);
        return TRUE;
    case WM_SYSCOMMAND:
        return OnSysCommand(dlg, wParam);
    case WM_NOWPLAYING:
        ShowNowPlaying(dlg, reinterpret_cast<const char*>(lParam));
        return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORBTN:
        return GreyBackground(wParam, RGB(0, 0, 0));
    case WM_CTLCOLORSTATIC:
        return GreyBackground(wParam, GetSysColor(COLOR_WINDOWTEXT));
    default:
#ifdef FESTOON_TEST_BUILD
        if (msg == ProbeMessage()) {
            SetWindowLongPtrA(dlg, DWLP_MSGRESULT, OnProbe(dlg, wParam));
            return TRUE;
        }
#endif
        return FALSE;
    }
}

} // namespace

int RunOptionsDialog(HWND owner) {
    gDialogs.options.open = 1;
    const INT_PTR result = DialogBoxParamA(gInstance, "OptionsDlg", owner, OptionsDlgProc, 0);
    RemoveTooltips(&gTips);
    gDialogs.options.open = 0;
    gDialogs.options.hwnd = nullptr;
    return result == -1 ? 0 : 1;
}
