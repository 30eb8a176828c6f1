#include "platform/controls/TreeView.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Gdi.h"

#include <algorithm>
#include <cstdlib>

ORVO_IMPLEMENT_CLASS(TTreeNode, TPersistent)
ORVO_IMPLEMENT_CLASS(TTreeNodes, TPersistent)
ORVO_IMPLEMENT_CLASS(TCustomTreeView, TCustomControl)
ORVO_IMPLEMENT_CLASS(TTreeView, TCustomTreeView)
ORVO_IMPLEMENT_EVENT_TYPE(TTVChangedEvent)
ORVO_IMPLEMENT_EVENT_TYPE(TTVChangingEvent)

namespace {
[[noreturn]] void indexError(int Index) {
    throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
}
} // namespace

// ---- TTreeNode ---------------------------------------------------------------------------

TTreeNode::TTreeNode(TTreeNodes* AOwner) : FOwner(AOwner) {}

TTreeNode::~TTreeNode() {
    for (TTreeNode* child : FChildren)
        delete child;
}

TCustomTreeView* TTreeNode::TreeView() const {
    return FOwner ? FOwner->Owner() : nullptr;
}

void TTreeNode::SetText(const String& Value) {
    FText = Value;
    if (FOwner) FOwner->Changed();
}

TTreeNode* TTreeNode::Item(int Index) const {
    if (Index < 0 || Index >= Count()) indexError(Index);
    return FChildren[std::size_t(Index)];
}

int TTreeNode::Index() const {
    const std::vector<TTreeNode*>& siblings = FOwner->SiblingsOf(const_cast<TTreeNode*>(this));
    return int(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

int TTreeNode::Level() const {
    int level = 0;
    for (const TTreeNode* p = FParent; p; p = p->FParent)
        ++level;
    return level;
}

int TTreeNode::AbsoluteIndex() const {
    int i = 0;
    for (TTreeNode* n = FOwner->GetFirstNode(); n; n = n->GetNext(), ++i)
        if (n == this) return i;
    return -1;
}

TTreeNode* TTreeNode::getNextSibling() const {
    const std::vector<TTreeNode*>& siblings = FOwner->SiblingsOf(const_cast<TTreeNode*>(this));
    const int i = Index();
    return std::size_t(i + 1) < siblings.size() ? siblings[std::size_t(i + 1)] : nullptr;
}

TTreeNode* TTreeNode::getPrevSibling() const {
    const std::vector<TTreeNode*>& siblings = FOwner->SiblingsOf(const_cast<TTreeNode*>(this));
    const int i = Index();
    return i > 0 ? siblings[std::size_t(i - 1)] : nullptr;
}

TTreeNode* TTreeNode::GetNext() const {
    if (!FChildren.empty()) return FChildren.front();
    for (const TTreeNode* n = this; n; n = n->FParent)
        if (TTreeNode* next = n->getNextSibling()) return next;
    return nullptr;
}

void TTreeNode::SetExpanded(bool Value) {
    if (Value == FExpanded) return;
    if (TCustomTreeView* tree = TreeView()) {
        tree->ToggleExpanded(this, Value);
        return;
    }
    FExpanded = Value;
}

void TTreeNode::Expand(bool Recurse) {
    SetExpanded(true);
    if (Recurse)
        for (TTreeNode* child : FChildren)
            child->Expand(true);
}

void TTreeNode::Collapse(bool Recurse) {
    SetExpanded(false);
    if (Recurse)
        for (TTreeNode* child : FChildren)
            child->Collapse(true);
}

bool TTreeNode::IsVisible() const {
    for (const TTreeNode* p = FParent; p; p = p->FParent)
        if (!p->FExpanded) return false;
    return true;
}

void TTreeNode::MakeVisible() {
    for (TTreeNode* p = FParent; p; p = p->FParent)
        p->SetExpanded(true);
    if (TCustomTreeView* tree = TreeView()) {
        const std::vector<TTreeNode*> shown = tree->ShownNodes();
        tree->MakeRowVisible(int(std::find(shown.begin(), shown.end(), this) - shown.begin()));
    }
}

bool TTreeNode::Selected() const {
    const TCustomTreeView* tree = TreeView();
    return tree && tree->Selected() == this;
}

void TTreeNode::SetSelected(bool Value) {
    TCustomTreeView* tree = TreeView();
    if (!tree) return;
    if (Value)
        tree->SetSelected(this);
    else if (tree->Selected() == this)
        tree->SetSelected(nullptr);
}

void TTreeNode::Delete() {
    FOwner->Delete(this);
}

void TTreeNode::DeleteChildren() {
    while (!FChildren.empty())
        FOwner->Delete(FChildren.back());
}

// ---- TTreeNodes --------------------------------------------------------------------------

TTreeNodes::TTreeNodes(TCustomTreeView* AOwner) : FOwner(AOwner) {}

TTreeNodes::~TTreeNodes() {
    for (TTreeNode* root : FRoots)
        delete root;
}

int TTreeNodes::Count() const {
    int n = 0;
    for (const TTreeNode* node = GetFirstNode(); node; node = node->GetNext())
        ++n;
    return n;
}

TTreeNode* TTreeNodes::Item(int Index) const {
    int i = 0;
    for (TTreeNode* node = GetFirstNode(); node; node = node->GetNext(), ++i)
        if (i == Index) return node;
    indexError(Index);
}

std::vector<TTreeNode*>& TTreeNodes::SiblingsOf(TTreeNode* Node) {
    return Node->FParent ? Node->FParent->FChildren : FRoots;
}

TTreeNode* TTreeNodes::InsertNode(TTreeNode* Parent, std::size_t Index, const String& S, void* Ptr) {
    auto* node = new TTreeNode(this);
    node->FParent = Parent;
    node->FText = S;
    node->FData = Ptr;
    std::vector<TTreeNode*>& siblings = Parent ? Parent->FChildren : FRoots;
    siblings.insert(siblings.begin() + std::ptrdiff_t(std::min(Index, siblings.size())), node);
    Changed();
    return node;
}

TTreeNode* TTreeNodes::Add(TTreeNode* Sibling, const String& S) {
    return AddObject(Sibling, S, nullptr);
}

TTreeNode* TTreeNodes::AddObject(TTreeNode* Sibling, const String& S, void* Ptr) {
    TTreeNode* parent = Sibling ? Sibling->FParent : nullptr;
    return InsertNode(parent, SIZE_MAX, S, Ptr);
}

TTreeNode* TTreeNodes::AddFirst(TTreeNode* Sibling, const String& S) {
    return AddObjectFirst(Sibling, S, nullptr);
}

TTreeNode* TTreeNodes::AddObjectFirst(TTreeNode* Sibling, const String& S, void* Ptr) {
    return InsertNode(Sibling ? Sibling->FParent : nullptr, 0, S, Ptr);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* Parent, const String& S) {
    return AddChildObject(Parent, S, nullptr);
}

TTreeNode* TTreeNodes::AddChildObject(TTreeNode* Parent, const String& S, void* Ptr) {
    return InsertNode(Parent, SIZE_MAX, S, Ptr);
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* Parent, const String& S) {
    return AddChildObjectFirst(Parent, S, nullptr);
}

TTreeNode* TTreeNodes::AddChildObjectFirst(TTreeNode* Parent, const String& S, void* Ptr) {
    return InsertNode(Parent, 0, S, Ptr);
}

TTreeNode* TTreeNodes::Insert(TTreeNode* Sibling, const String& S) {
    return InsertObject(Sibling, S, nullptr);
}

TTreeNode* TTreeNodes::InsertObject(TTreeNode* Sibling, const String& S, void* Ptr) {
    if (!Sibling) return InsertNode(nullptr, SIZE_MAX, S, Ptr);
    return InsertNode(Sibling->FParent, std::size_t(Sibling->Index()), S, Ptr);
}

void TTreeNodes::Delete(TTreeNode* Node) {
    if (!Node || Node->FOwner != this) return;
    if (FOwner) FOwner->NodeDeleting(Node);
    std::vector<TTreeNode*>& siblings = SiblingsOf(Node);
    siblings.erase(std::find(siblings.begin(), siblings.end(), Node));
    delete Node;
    Changed();
}

void TTreeNodes::Clear() {
    BeginUpdate();
    while (!FRoots.empty())
        Delete(FRoots.back());
    EndUpdate();
}

void TTreeNodes::BeginUpdate() {
    ++FUpdateCount;
}

void TTreeNodes::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0) Changed();
}

void TTreeNodes::Changed() {
    if (FUpdateCount == 0 && FOwner) FOwner->Invalidate();
}

// ---- TCustomTreeView ---------------------------------------------------------------------

TCustomTreeView::TCustomTreeView(TComponent* AOwner) : TCustomControl(AOwner) {
    FControlStyle = {csCaptureMouse, csDoubleClicks, csSetCaption};
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
    FItems = new TTreeNodes(this);
}

TCustomTreeView::~TCustomTreeView() {
    // The nodes go without notices: the tree is no longer there to tell.
    FSelected = nullptr;
    TTreeNodes* items = FItems;
    FItems = nullptr;
    items->FOwner = nullptr;
    delete items;
}

void TCustomTreeView::SetSelected(TTreeNode* Value) {
    if (Value && Value->TreeView() != this) return;
    if (Value == FSelected) return;
    FSelected = Value;
    if (Value) Value->MakeVisible();
    Invalidate();
    Change(Value);
}

bool TCustomTreeView::CanChange(TTreeNode* Node) {
    bool allow = true;
    if (OnChanging) OnChanging(this, Node, allow);
    return allow;
}

void TCustomTreeView::Change(TTreeNode* Node) {
    if (OnChange) OnChange(this, Node);
}

void TCustomTreeView::UserSelect(TTreeNode* Node) {
    if (!Node || Node == FSelected || !CanChange(Node)) return;
    SetSelected(Node);
}

void TCustomTreeView::NodeDeleting(TTreeNode* Node) {
    // Every node that goes is told, children first.
    const auto tell = [this](const auto& self, TTreeNode* n) -> void {
        for (TTreeNode* child : n->FChildren)
            self(self, child);
        if (OnDeletion) OnDeletion(this, n);
    };
    tell(tell, Node);
    if (!FSelected) return;
    bool inside = false;
    for (const TTreeNode* n = FSelected; n && !inside; n = n->FParent)
        inside = n == Node;
    if (!inside) return;
    // The selection moves to the next sibling, else the previous one, else the parent.
    TTreeNode* next = Node->getNextSibling();
    if (!next) next = Node->getPrevSibling();
    if (!next) next = Node->FParent;
    FSelected = nullptr;
    if (ComponentState().Contains(csDestroying)) return;
    SetSelected(next);
    if (!next) Change(nullptr);
}

bool TCustomTreeView::ToggleExpanded(TTreeNode* Node, bool Expand) {
    if (Node->FExpanded == Expand) return true;
    bool allow = true;
    if (Expand && OnExpanding) OnExpanding(this, Node, allow);
    if (!Expand && OnCollapsing) OnCollapsing(this, Node, allow);
    if (!allow) return false;
    Node->FExpanded = Expand;
    if (!Expand && FSelected && FSelected != Node) {
        // A selection inside what collapses moves to the collapsed node.
        for (const TTreeNode* p = FSelected->FParent; p; p = p->FParent)
            if (p == Node) {
                SetSelected(Node);
                break;
            }
    }
    Invalidate();
    if (Expand && OnExpanded) OnExpanded(this, Node);
    if (!Expand && OnCollapsed) OnCollapsed(this, Node);
    return true;
}

void TCustomTreeView::FullExpand() {
    for (TTreeNode* node = FItems->GetFirstNode(); node; node = node->getNextSibling())
        node->Expand(true);
}

void TCustomTreeView::FullCollapse() {
    for (TTreeNode* node = FItems->GetFirstNode(); node; node = node->getNextSibling())
        node->Collapse(true);
}

void TCustomTreeView::SetHideSelection(bool Value) {
    FHideSelection = Value;
    Invalidate();
}

void TCustomTreeView::SetShowRoot(bool Value) {
    FShowRoot = Value;
    Invalidate();
}

void TCustomTreeView::SetShowLines(bool Value) {
    FShowLines = Value;
    Invalidate();
}

void TCustomTreeView::SetShowButtons(bool Value) {
    FShowButtons = Value;
    Invalidate();
}

void TCustomTreeView::SetRowSelect(bool Value) {
    FRowSelect = Value;
    Invalidate();
}

void TCustomTreeView::SetIndent(int Value) {
    if (Value < 0) return;
    FIndent = Value;
    Invalidate();
}

void TCustomTreeView::SetBorderStyle(TBorderStyle Value) {
    FBorderStyle = Value == bsNone ? bsNone : bsSingle;
    Invalidate();
}

int TCustomTreeView::ItemHeight() const {
    TBitmap measure(1, 1);
    measure.Canvas()->SetFont(Font());
    return std::max(16, measure.Canvas()->TextHeight(QStringLiteral("Wg")) + 2);
}

// ---- geometry ----------------------------------------------------------------------------

std::vector<TTreeNode*> TCustomTreeView::ShownNodes() const {
    std::vector<TTreeNode*> shown;
    if (!FItems) return shown;
    TTreeNode* node = FItems->GetFirstNode();
    while (node) {
        shown.push_back(node);
        if (node->FExpanded && node->HasChildren()) {
            node = node->FChildren.front();
            continue;
        }
        while (node && !node->getNextSibling())
            node = node->FParent;
        if (node) node = node->getNextSibling();
    }
    return shown;
}

TRect TCustomTreeView::RowsRect() const {
    TRect r = ClientRect();
    if (FBorderStyle == bsSingle) r = Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
    return r;
}

int TCustomTreeView::VisibleRows() const {
    return std::max(1, RowsRect().Height() / ItemHeight());
}

void TCustomTreeView::MakeRowVisible(int Row) {
    if (Row < 0) return;
    if (Row < FTopRow)
        FTopRow = Row;
    else if (Row >= FTopRow + VisibleRows())
        FTopRow = Row - VisibleRows() + 1;
    Invalidate();
}

TTreeNode* TCustomTreeView::TopItem() const {
    const std::vector<TTreeNode*> shown = ShownNodes();
    return FTopRow < int(shown.size()) ? shown[std::size_t(FTopRow)] : nullptr;
}

int TCustomTreeView::ButtonX(const TTreeNode* Node) const {
    const int depth = Node->Level() + (FShowRoot ? 1 : 0);
    return RowsRect().Left + (depth - 1) * FIndent + FIndent / 2;
}

int TCustomTreeView::TextLeft(const TTreeNode* Node) const {
    const int depth = Node->Level() + (FShowRoot ? 1 : 0);
    return RowsRect().Left + depth * FIndent + 2;
}

TRect TCustomTreeView::NodeRect(TTreeNode* Node) {
    const std::vector<TTreeNode*> shown = ShownNodes();
    const auto it = std::find(shown.begin(), shown.end(), Node);
    if (it == shown.end()) return {};
    const TRect rows = RowsRect();
    const int h = ItemHeight();
    const int top = rows.Top + (int(it - shown.begin()) - FTopRow) * h;
    return Rect(rows.Left, top, rows.Right, top + h);
}

TTreeNode* TCustomTreeView::GetNodeAt(int X, int Y) {
    const TRect rows = RowsRect();
    if (X < rows.Left || X >= rows.Right || Y < rows.Top || Y >= rows.Bottom) return nullptr;
    const std::vector<TTreeNode*> shown = ShownNodes();
    const int row = FTopRow + (Y - rows.Top) / ItemHeight();
    return row < int(shown.size()) ? shown[std::size_t(row)] : nullptr;
}

// ---- painting ----------------------------------------------------------------------------

void TCustomTreeView::Paint() {
    TCanvas* c = Canvas();
    TRect r = ClientRect();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(r);
    if (FBorderStyle == bsSingle) {
        Frame3D(c, r, clBtnShadow, clBtnHighlight, 1);
        Frame3D(c, r, cl3DDkShadow, cl3DLight, 1);
    }
    const TRect rows = RowsRect();
    const int h = ItemHeight();
    const std::vector<TTreeNode*> shown = ShownNodes();
    const bool focused = Focused();
    const int save = SaveDC(c->Handle());
    IntersectClipRect(c->Handle(), rows.Left, rows.Top, rows.Right, rows.Bottom);
    c->SetFont(Font());
    for (int row = FTopRow; row < int(shown.size()); ++row) {
        const int top = rows.Top + (row - FTopRow) * h;
        if (top >= rows.Bottom) break;
        TTreeNode* node = shown[std::size_t(row)];
        const int mid = top + h / 2;
        const bool hasButton = FShowButtons && node->HasChildren() && (FShowRoot || node->FParent);
        if (FShowLines && (FShowRoot || node->FParent)) {
            // The line from the parent's column to the node, and on down to the next sibling.
            c->Pen()->SetColor(clGrayText);
            c->Pen()->SetStyle(psDot);
            const int x = ButtonX(node);
            c->MoveTo(x, mid);
            c->LineTo(TextLeft(node) - 2, mid);
            c->MoveTo(x, node->getPrevSibling() || node->FParent ? top : mid);
            c->LineTo(x, node->getNextSibling() ? top + h : mid);
            // The lines of the parents that have siblings still to come pass by.
            for (const TTreeNode* p = node->FParent; p && (FShowRoot || p->FParent); p = p->FParent)
                if (p->getNextSibling()) {
                    c->MoveTo(ButtonX(p), top);
                    c->LineTo(ButtonX(p), top + h);
                }
            c->Pen()->SetStyle(psSolid);
        }
        if (hasButton) {
            const int x = ButtonX(node);
            const TRect box = Rect(x - 4, mid - 4, x + 5, mid + 5);
            c->Brush()->SetColor(Color());
            c->Pen()->SetColor(clGrayText);
            c->Rectangle(box);
            c->Pen()->SetColor(clWindowText);
            c->MoveTo(x - 2, mid);
            c->LineTo(x + 3, mid);
            if (!node->FExpanded) {
                c->MoveTo(x, mid - 2);
                c->LineTo(x, mid + 3);
            }
        }
        const int left = TextLeft(node);
        TRect text = Rect(left, top, left + c->TextWidth(node->FText) + 4, top + h);
        if (FRowSelect) text = Rect(rows.Left, top, rows.Right, top + h);
        const bool highlighted = node == FSelected && (focused || !FHideSelection);
        c->Brush()->SetStyle(bsSolid);
        if (highlighted) {
            c->Brush()->SetColor(focused ? clHighlight : clBtnFace);
            c->Font()->SetColor(focused ? clHighlightText : clWindowText);
        } else {
            c->Brush()->SetColor(Color());
            c->Font()->SetColor(Enabled() ? Font()->Color() : clGrayText);
        }
        c->FillRect(text);
        c->TextOut(left + 2, top + (h - c->TextHeight(node->FText)) / 2, node->FText);
        if (node == FSelected && focused) c->DrawFocusRect(text);
    }
    RestoreDC(c->Handle(), save);
}

// ---- input -------------------------------------------------------------------------------

void TCustomTreeView::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        if (TTreeNode* node = GetNodeAt(X, Y)) {
            const bool onButton = FShowButtons && node->HasChildren() && (FShowRoot || node->FParent) &&
                                  std::abs(X - ButtonX(node)) <= FIndent / 2 && X < TextLeft(node);
            if (onButton)
                ToggleExpanded(node, !node->FExpanded);
            else if (FRowSelect || X >= TextLeft(node) - 2)
                UserSelect(node);
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomTreeView::DblClick() {
    TCustomControl::DblClick();
    if (FSelected && FSelected->HasChildren()) ToggleExpanded(FSelected, !FSelected->FExpanded);
}

void TCustomTreeView::KeyDown(Word& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key == 0) return;
    const std::vector<TTreeNode*> shown = ShownNodes();
    if (shown.empty()) return;
    const auto it = std::find(shown.begin(), shown.end(), FSelected);
    const int row = it == shown.end() ? -1 : int(it - shown.begin());
    const int last = int(shown.size()) - 1;
    const int page = std::max(1, VisibleRows() - 1);
    auto at = [&](int r) { return shown[std::size_t(std::clamp(r, 0, last))]; };
    switch (Key) {
    case VK_UP:
        UserSelect(at(row < 0 ? 0 : row - 1));
        break;
    case VK_DOWN:
        UserSelect(at(row + 1));
        break;
    case VK_PRIOR:
        UserSelect(at(row - page));
        break;
    case VK_NEXT:
        UserSelect(at(std::max(0, row) + page));
        break;
    case VK_HOME:
        UserSelect(at(0));
        break;
    case VK_END:
        UserSelect(at(last));
        break;
    case VK_LEFT:
        // Collapses an expanded node, else goes to its parent.
        if (!FSelected) break;
        if (FSelected->FExpanded && FSelected->HasChildren())
            ToggleExpanded(FSelected, false);
        else if (FSelected->FParent)
            UserSelect(FSelected->FParent);
        break;
    case VK_RIGHT:
        // Expands a collapsed node, else goes to its first child.
        if (!FSelected || !FSelected->HasChildren()) break;
        if (!FSelected->FExpanded)
            ToggleExpanded(FSelected, true);
        else
            UserSelect(FSelected->FChildren.front());
        break;
    case VK_ADD:
        if (FSelected && FSelected->HasChildren()) ToggleExpanded(FSelected, true);
        break;
    case VK_SUBTRACT:
        if (FSelected && FSelected->HasChildren()) ToggleExpanded(FSelected, false);
        break;
    default:
        return;
    }
    Key = 0;
}

void TCustomTreeView::KeyPress(QChar& Key) {
    TCustomControl::KeyPress(Key);
    if (Key.isNull() || Key.unicode() < 32) return;
    if ((Key == QLatin1Char('+') || Key == QLatin1Char('-')) && FSelected) {
        if (FSelected->HasChildren()) ToggleExpanded(FSelected, Key == QLatin1Char('+'));
        return;
    }
    // A typed character moves to the next shown node whose text starts with it.
    const std::vector<TTreeNode*> shown = ShownNodes();
    const auto it = std::find(shown.begin(), shown.end(), FSelected);
    const std::size_t from = it == shown.end() ? shown.size() - 1 : std::size_t(it - shown.begin());
    for (std::size_t k = 1; k <= shown.size(); ++k) {
        TTreeNode* node = shown[(from + k) % shown.size()];
        if (node->FText.startsWith(Key, Qt::CaseInsensitive)) {
            UserSelect(node);
            return;
        }
    }
}

bool TCustomTreeView::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
    if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
    const int rows = int(ShownNodes().size());
    FTopRow = std::clamp(FTopRow - WheelDelta / WHEEL_DELTA * 3, 0, std::max(0, rows - VisibleRows()));
    Invalidate();
    return true;
}

void TCustomTreeView::DoEnter() {
    Invalidate();
    TCustomControl::DoEnter();
}

void TCustomTreeView::DoExit() {
    Invalidate();
    TCustomControl::DoExit();
}

void TCustomTreeView::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
    case CM_ENABLEDCHANGED:
        Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}

// ---- published ---------------------------------------------------------------------------

ORVO_PUBLISHED(TTreeView) {
    using T = TTreeView;
    PublishWinControlBasics(P);
    P.Property("BorderStyle", &T::BorderStyle, &T::SetBorderStyle).Default(bsSingle);
    P.Property("Color", &T::Color, &T::SetColor).Type(TypeInfoTColor());
    P.Property("HideSelection", &T::HideSelection, &T::SetHideSelection).Default(true);
    P.Property("Indent", &T::Indent, &T::SetIndent).Default(19);
    P.Property("ReadOnly", &T::ReadOnly, &T::SetReadOnly).Default(false);
    P.Property("RowSelect", &T::RowSelect, &T::SetRowSelect).Default(false);
    P.Property("ShowButtons", &T::ShowButtons, &T::SetShowButtons).Default(true);
    P.Property("ShowLines", &T::ShowLines, &T::SetShowLines).Default(true);
    P.Property("ShowRoot", &T::ShowRoot, &T::SetShowRoot).Default(true);
    P.Property("OnChange", &T::OnChange);
    P.Property("OnChanging", &T::OnChanging);
    P.Property("OnCollapsed", &T::OnCollapsed);
    P.Property("OnCollapsing", &T::OnCollapsing);
    P.Property("OnDeletion", &T::OnDeletion);
    P.Property("OnExpanded", &T::OnExpanded);
    P.Property("OnExpanding", &T::OnExpanding);
}
