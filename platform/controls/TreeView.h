// Tree views: TTreeView shows a tree of text nodes (TTreeNode), each with a pointer of the
// program's own (Data), that the user expands, collapses and selects with the mouse and keys;
// TTreeNodes holds the nodes and adds, finds and deletes them.
//
// A selection made by the user (mouse, keys) asks OnChanging first, which may refuse it, and
// then tells OnChange; setting Selected from code tells OnChange only. Node texts are never
// edited in place: ReadOnly is kept for form resources. With HideSelection the selected node
// is drawn highlighted only while the tree has the focus.
#pragma once

#include "platform/controls/CustomControl.h"
#include "platform/controls/StdControlTypes.h"

#include <vector>

class TCustomTreeView;
class TTreeNodes;

class TTreeNode : public TPersistent {
    ORVO_CLASS(TTreeNode, TPersistent)
public:
    explicit TTreeNode(TTreeNodes* AOwner = nullptr);
    ~TTreeNode() override;

    TTreeNodes* Owner() const { return FOwner; }
    TCustomTreeView* TreeView() const;
    TTreeNode* Parent() const { return FParent; }

    String Text() const { return FText; }
    void SetText(const String& Value);
    void* Data() const { return FData; }
    void SetData(void* Value) { FData = Value; }

    // The children.
    int Count() const { return int(FChildren.size()); }
    TTreeNode* Item(int Index) const;
    bool HasChildren() const { return !FChildren.empty(); }
    // The place among its siblings, and the depth (0 for a root node).
    int Index() const;
    int Level() const;
    // The place in the tree's whole list, in the order the tree shows the nodes.
    int AbsoluteIndex() const;

    TTreeNode* getFirstChild() const { return FChildren.empty() ? nullptr : FChildren.front(); }
    TTreeNode* GetLastChild() const { return FChildren.empty() ? nullptr : FChildren.back(); }
    TTreeNode* getNextSibling() const;
    TTreeNode* getPrevSibling() const;
    // The next node of the whole list: the first child, else the next sibling of the node or
    // of its nearest parent that has one.
    TTreeNode* GetNext() const;
    TTreeNode* GetFirstChild() const { return getFirstChild(); }
    TTreeNode* GetNextSibling() const { return getNextSibling(); }
    TTreeNode* GetPrevSibling() const { return getPrevSibling(); }

    bool Expanded() const { return FExpanded; }
    void SetExpanded(bool Value);
    void Expand(bool Recurse);
    void Collapse(bool Recurse);
    // Whether every parent is expanded.
    bool IsVisible() const;
    // Expands the parents and scrolls the node into view.
    void MakeVisible();

    bool Selected() const;
    void SetSelected(bool Value);
    bool Focused() const { return Selected(); }

    // Deletes the node with its children (the tree's selection moves away from it first).
    void Delete();
    void DeleteChildren();

private:
    friend class TTreeNodes;
    friend class TCustomTreeView;

    TTreeNodes* FOwner;
    TTreeNode* FParent = nullptr;
    std::vector<TTreeNode*> FChildren;
    String FText;
    void* FData = nullptr;
    bool FExpanded = false;
};

class TTreeNodes : public TPersistent {
    ORVO_CLASS(TTreeNodes, TPersistent)
public:
    explicit TTreeNodes(TCustomTreeView* AOwner = nullptr);
    ~TTreeNodes() override;

    TCustomTreeView* Owner() const { return FOwner; }
    // Every node of the tree, in the order the tree lists them (parents before children).
    int Count() const;
    TTreeNode* Item(int Index) const;
    TTreeNode* GetFirstNode() const { return FRoots.empty() ? nullptr : FRoots.front(); }

    // A node after the last sibling of Sibling (a root node when Sibling is null).
    TTreeNode* Add(TTreeNode* Sibling, const String& S);
    TTreeNode* AddObject(TTreeNode* Sibling, const String& S, void* Ptr);
    // A node before the first sibling of Sibling.
    TTreeNode* AddFirst(TTreeNode* Sibling, const String& S);
    TTreeNode* AddObjectFirst(TTreeNode* Sibling, const String& S, void* Ptr);
    // The last child of Parent (a root node when Parent is null).
    TTreeNode* AddChild(TTreeNode* Parent, const String& S);
    TTreeNode* AddChildObject(TTreeNode* Parent, const String& S, void* Ptr);
    TTreeNode* AddChildFirst(TTreeNode* Parent, const String& S);
    TTreeNode* AddChildObjectFirst(TTreeNode* Parent, const String& S, void* Ptr);
    // A node just before Sibling (the last root node when Sibling is null).
    TTreeNode* Insert(TTreeNode* Sibling, const String& S);
    TTreeNode* InsertObject(TTreeNode* Sibling, const String& S, void* Ptr);

    void Delete(TTreeNode* Node);
    void Clear();
    // Changes made between these repaint once at the end.
    void BeginUpdate();
    void EndUpdate();

private:
    friend class TTreeNode;
    friend class TCustomTreeView;

    // Places a new node among siblings (the roots when Parent is null) at Index.
    TTreeNode* InsertNode(TTreeNode* Parent, std::size_t Index, const String& S, void* Ptr);
    std::vector<TTreeNode*>& SiblingsOf(TTreeNode* Node);
    void Changed();

    TCustomTreeView* FOwner;
    std::vector<TTreeNode*> FRoots;
    int FUpdateCount = 0;
};

// Node tells the tree's new selection (null when none is left).
using TTVChangedEvent = TEvent<TObject*, TTreeNode*>;
ORVO_DECLARE_EVENT_TYPE(TTVChangedEvent)
// Node is the node about to be selected; clearing AllowChange keeps the old selection.
using TTVChangingEvent = TEvent<TObject*, TTreeNode*, bool&>;
ORVO_DECLARE_EVENT_TYPE(TTVChangingEvent)
// Node is about to be expanded or collapsed; clearing the flag keeps it as it is. (The same
// types as the two above, whose type information they share.)
using TTVExpandingEvent = TTVChangingEvent;
using TTVExpandedEvent = TTVChangedEvent;

class TCustomTreeView : public TCustomControl {
    ORVO_CLASS(TCustomTreeView, TCustomControl)
public:
    explicit TCustomTreeView(TComponent* AOwner);
    ~TCustomTreeView() override;

    TTreeNodes* Items() const { return FItems; }
    TTreeNode* Selected() const { return FSelected; }
    void SetSelected(TTreeNode* Value);
    // The node at a client point, or null.
    TTreeNode* GetNodeAt(int X, int Y);
    // The rectangle of a node's row in client coordinates (empty when it is not shown).
    TRect NodeRect(TTreeNode* Node);
    TTreeNode* TopItem() const;
    void FullExpand();
    void FullCollapse();

    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool Value);
    bool ShowRoot() const { return FShowRoot; }
    void SetShowRoot(bool Value);
    bool ShowLines() const { return FShowLines; }
    void SetShowLines(bool Value);
    bool ShowButtons() const { return FShowButtons; }
    void SetShowButtons(bool Value);
    bool RowSelect() const { return FRowSelect; }
    void SetRowSelect(bool Value);
    // Pixels a child is set in from its parent.
    int Indent() const { return FIndent; }
    void SetIndent(int Value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    int ItemHeight() const;

    void Dispatch(TMessage& Message) override;

    TTVChangedEvent OnChange;
    TTVChangingEvent OnChanging;
    TTVExpandingEvent OnExpanding;
    TTVExpandingEvent OnCollapsing;
    TTVExpandedEvent OnExpanded;
    TTVExpandedEvent OnCollapsed;
    TTVExpandedEvent OnDeletion;

protected:
    virtual bool CanChange(TTreeNode* Node);
    virtual void Change(TTreeNode* Node);

    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DblClick() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
    void DoEnter() override;
    void DoExit() override;

private:
    friend class TTreeNode;
    friend class TTreeNodes;

    // The nodes shown (every parent expanded), in order.
    std::vector<TTreeNode*> ShownNodes() const;
    TRect RowsRect() const;
    int VisibleRows() const;
    void MakeRowVisible(int Row);
    // Selects Node as the user did: OnChanging may refuse it.
    void UserSelect(TTreeNode* Node);
    // Node is being deleted: the selection moves away first, then OnDeletion.
    void NodeDeleting(TTreeNode* Node);
    bool ToggleExpanded(TTreeNode* Node, bool Expand);
    // The x of the node's button (the middle of its indent step).
    int ButtonX(const TTreeNode* Node) const;
    int TextLeft(const TTreeNode* Node) const;

    TTreeNodes* FItems;
    TTreeNode* FSelected = nullptr;
    int FTopRow = 0;
    bool FReadOnly = false;
    bool FHideSelection = true;
    bool FShowRoot = true;
    bool FShowLines = true;
    bool FShowButtons = true;
    bool FRowSelect = false;
    int FIndent = 19;
    TBorderStyle FBorderStyle = bsSingle;
    bool FDeleting = false;
};

class TTreeView : public TCustomTreeView {
    ORVO_CLASS(TTreeView, TCustomTreeView)
public:
    explicit TTreeView(TComponent* AOwner) : TCustomTreeView(AOwner) {}
};
