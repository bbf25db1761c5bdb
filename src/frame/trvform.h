#pragma once

#include <QDialog>
#include <QPointer>

class TTrvIniFile;

// Base of every window of the program. After its design has been loaded the form
// - restores its placement from section "Windows" of the settings file (or is centred when shown),
// - is translated by the numbered catalogue and gets its accelerator letters,
// - lets a click on a label put the focus into the label's control (the label's buddy);
// while shown it stays on the screen and snaps to the work area's edges within 20 pixels; F1 opens the
// help file; when destroyed it saves its placement. The main window gets the "ADMIN" and "DEBUG" menu
// entries of the UI service on its first show.
//
// Derived forms load their design in their constructor with LoadDesign(ui) (or set up their widgets and
// call Loaded()). A design may turn the four properties off with dynamic properties (stdset="0").
class TTrvForm : public QDialog
{
    Q_OBJECT
    Q_PROPERTY(bool AlwaysInScreen READ AlwaysInScreen WRITE SetAlwaysInScreen)
    Q_PROPERTY(bool AutoSave READ AutoSave WRITE SetAutoSave)
    Q_PROPERTY(bool AutoAccelerators READ AutoAccelerators WRITE SetAutoAccelerators)
    Q_PROPERTY(bool SnapAtScreenBorder READ SnapAtScreenBorder WRITE SetSnapAtScreenBorder)
    Q_PROPERTY(int HelpContext READ HelpContext WRITE SetHelpContext)

public:
    explicit TTrvForm(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~TTrvForm() override;

    bool AlwaysInScreen() const { return m_alwaysInScreen; }
    void SetAlwaysInScreen(bool on) { m_alwaysInScreen = on; }
    bool AutoSave() const { return m_autoSave; }
    void SetAutoSave(bool on) { m_autoSave = on; }
    bool AutoAccelerators() const { return m_autoAccelerators; }
    void SetAutoAccelerators(bool on) { m_autoAccelerators = on; }
    bool SnapAtScreenBorder() const { return m_snapAtScreenBorder; }
    void SetSnapAtScreenBorder(bool on) { m_snapAtScreenBorder = on; }
    // Help topic of the form; 0 shows the help file's contents.
    int HelpContext() const { return m_helpContext; }
    void SetHelpContext(int context) { m_helpContext = context; }

    // A saved placement was applied when the form was loaded.
    bool PlacementRestored() const { return m_placementRestored; }

    // Moves the form to the centre of its screen.
    virtual void MoveToCentre();
    // The top-left corner that centres the form at its current size.
    QPoint CentredPosition() const;

    // Applies the saved placement (corrected for the screen); false when none is saved.
    bool RestorePlacement();
    // Writes the placement: the normal bounds (also of a maximised or minimised window) and the state.
    void SavePlacement();
    // A window whose border lets the user change its size (not a fixed-size dialog).
    bool IsSizeable() const;

    // Saves or loads every control of the form whose "Tag" property equals tag and which keeps its value
    // in the settings file (ITrvIniStored), in the order of the form's object tree.
    void SaveControls(TTrvIniFile &ini, const QString &section, int tag);
    void LoadControls(TTrvIniFile &ini, const QString &section, int tag);

    // The program's main window; the UI service's menu entries go into its menu.
    static TTrvForm *MainForm();
    static void SetMainForm(TTrvForm *form);

    void setVisible(bool visible) override;

protected:
    // Loads the design made with Qt Designer into the form, then does what follows loading.
    template<class UiForm>
    void LoadDesign(UiForm &ui)
    {
        ui.setupUi(this);
        Loaded();
    }
    // What follows loading the design: placement, translation, accelerators, label buddies.
    void Loaded();

    // Shows the help topic (0: the contents) of the application's help file; false when there is no help
    // file.
    virtual bool ShowHelp(int context);
    // Opens the help file at the topic with the desktop's viewer.
    virtual bool OpenHelp(const QString &file, int context);

    bool eventFilter(QObject *watched, QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void keepInScreen();
    void connectLabelBuddies();
    void insertServiceMenus();
    void helpRequested();
    int helpContextOfFocus() const;
    QString placementKey() const;

    bool m_alwaysInScreen = false;
    bool m_autoSave = true;
    bool m_autoAccelerators = true;
    bool m_snapAtScreenBorder = true;
    int m_helpContext = 0;
    bool m_placementRestored = false;
    bool m_centreOnShow = false;
    bool m_wasShown = false;
    bool m_adjusting = false;
    bool m_inHelp = false;
};

// A question with the buttons Yes and No, the application title as caption; true for Yes.
bool AskYesNo(const QString &text);
// A message with an OK button, or OK and Cancel with withCancel, and a warning icon with warning; false
// only when the user chose Cancel.
bool ShowMessageBox(const QString &text, bool warning, bool withCancel);
