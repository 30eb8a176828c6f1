// TSelectListForm: two lists, the items that can be chosen and the chosen ones in order, with
// buttons that move items (text and object) between them and reorder the chosen ones. The
// function editor embeds it to choose the source series of a function.
#pragma once

#include "platform/controls/CustomForm.h"

class TButton;
class TLabel;
class TListBox;
class TPanel;
class TSpeedButton;

class TSelectListForm : public TForm {
    ORVO_CLASS(TSelectListForm, TForm)
public:
    explicit TSelectListForm(TComponent* AOwner);

    // Enables each button as the lists allow.
    void EnableButtons();

    // Fired after every move or exchange, with the form as sender.
    TNotifyEvent OnChange;

    // From the form resource.
    TPanel* PanelFrom = nullptr;
    TLabel* L22 = nullptr;
    TListBox* FromList = nullptr;
    TPanel* PanelButtons = nullptr;
    TButton* BRightOne = nullptr;
    TButton* BRightAll = nullptr;
    TButton* BLeftOne = nullptr;
    TButton* BLeftAll = nullptr;
    TPanel* PanelTo = nullptr;
    TLabel* L23 = nullptr;
    TListBox* ToList = nullptr;
    TSpeedButton* BMoveUP = nullptr;
    TSpeedButton* BMoveDown = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void BRightOneClick(TObject* Sender);
    void BRightAllClick(TObject* Sender);
    void BLeftOneClick(TObject* Sender);
    void BLeftAllClick(TObject* Sender);
    void BMoveUPClick(TObject* Sender);
    void BMoveDownClick(TObject* Sender);
    void FromListDblClick(TObject* Sender);
    void ToListDblClick(TObject* Sender);
    void ListClick(TObject* Sender);

private:
    void Changed();
    void Exchange(int Delta);
};
