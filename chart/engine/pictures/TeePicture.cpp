#include "chart/engine/pictures/TeePicture.h"

#include "chart/engine/pictures/BitmapFilters.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Streams.h"
#include "platform/classes/Writer.h"
#include "platform/graphics/Bitmap.h"

ORVO_IMPLEMENT_CLASS(TTeePicture, TPicture)

TTeePicture::~TTeePicture() {
    delete FFilters;
    delete IBitmap;
}

void TTeePicture::Assign(TPersistent* Source) {
    if (auto* p = dynamic_cast<TTeePicture*>(Source)) SetFilters(p->FFilters);
    TPicture::Assign(Source);
}

TFilterItems* TTeePicture::Filters() {
    // Reading pictures with filters needs the standard filter classes registered.
    TeeRegisterStandardFilters();
    if (!FFilters) FFilters = new TFilterItems(this);
    return FFilters;
}

void TTeePicture::SetFilters(TFilterItems* Value) {
    if (!Value) {
        delete FFilters;
        FFilters = nullptr;
    } else if (Value != FFilters) {
        Filters()->Assign(Value);
    }
}

TGraphic* TTeePicture::Filtered() {
    if (!Graphic() || !HasFilters()) return Graphic();
    if (!IBitmap) IBitmap = new TBitmap();
    IBitmap->Assign(Graphic());
    FFilters->ApplyTo(IBitmap);
    return IBitmap;
}

void TTeePicture::Repaint() {
    if (OnChange) OnChange(this);
}

void TTeePicture::DefineProperties(TFiler* Filer) {
    TPicture::DefineProperties(Filer);
    Filer->DefineProperty(QStringLiteral("FilterItems"), Method(this, &TTeePicture::ReadFilterItems),
                          Method(this, &TTeePicture::WriteFilterItems), HasFilters());
}

void TTeePicture::ReadFilterItems(TReader* Reader) {
    ReadFilters(Reader, Filters());
}

void TTeePicture::WriteFilterItems(TWriter* Writer) {
    WriteFilters(Writer, Filters());
}

void TTeePicture::WriteFilters(TWriter* Writer, TFilterItems* Filters) {
    // The items are written by a writer of their own, so that their property names are
    // their own ("Enabled"), not prefixed with the path of the property holding the list.
    TMemoryStream items;
    {
        TWriter w(&items);
        w.WriteValue(vaCollection);
        for (int i = 0; i < Filters->Count(); ++i) {
            TTeeFilter* f = Filters->Item(i);
            w.WriteListBegin();
            w.WriteStr(QStringLiteral("ItemClass"));
            w.WriteString(f->ClassName());
            w.WriteProperties(f);
            w.WriteListEnd();
        }
        w.WriteListEnd();
    }
    Writer->Write(items.Memory(), int(items.Size()));
}

void TTeePicture::ReadFilters(TReader* Reader, TFilterItems* Filters) {
    TeeRegisterStandardFilters();
    Filters->BeginUpdate();
    try {
        if (!Reader->EndOfList()) Filters->Clear();
        Reader->CheckValue(vaCollection);
        while (!Reader->EndOfList()) {
            const TValueType v = Reader->NextValue();
            if (v == vaInt8 || v == vaInt16 || v == vaInt32) Reader->ReadInteger();
            Reader->ReadListBegin();
            const String name = Reader->ReadStr();
            if (name.compare(QStringLiteral("ItemClass"), Qt::CaseInsensitive) != 0)
                throw EReadError(QStringLiteral("Filter item without ItemClass"));
            const TClass cls = FindClass(Reader->ReadString());
            // Only filter classes may be created here: a stream naming another registered
            // class must not make the list hold something else.
            if (!cls->InheritsFrom(TTeeFilter::StaticClass()) || !cls->CreateItem)
                throw EReadError(QStringLiteral("%1 is not a filter class").arg(cls->ClassName()));
            TTeeFilter* f = Filters->Add(cls);
            while (!Reader->EndOfList())
                Reader->ReadProperty(f);
            Reader->ReadListEnd();
        }
        Reader->ReadListEnd();
    } catch (...) {
        Filters->EndUpdate();
        throw;
    }
    Filters->EndUpdate();
}
