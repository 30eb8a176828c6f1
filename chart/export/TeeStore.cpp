#include "chart/export/TeeStore.h"

#include "chart/engine/panel/CustomTeePanel.h"
#include "platform/classes/Reader.h"
#include "platform/classes/ReplaceFileStream.h"
#include "platform/classes/Streams.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Exception.h"

void SaveTeeToStream(TCustomTeePanel* APanel, TStream* AStream) {
    TWriter writer(AStream, 4096);
    writer.SetRoot(APanel->Owner() ? APanel->Owner() : APanel);
    writer.WriteSignature();
    writer.WriteComponent(APanel);
    writer.FlushBuffer();
}

void SaveTeeToFile(TCustomTeePanel* APanel, const String& FileName) {
    struct TVisibleMeanwhile {
        TCustomTeePanel* Panel;
        bool Old;
        ~TVisibleMeanwhile() { Panel->SetVisible(Old); }
    } visible{APanel, APanel->Visible()};
    APanel->SetVisible(true);
    TReplaceFileStream stream(FileName);
    SaveTeeToStream(APanel, &stream);
    stream.Commit();
}

void LoadTeeFromStream(TCustomTeePanel* APanel, TStream* AStream) {
    const String name = APanel->Name();
    struct TRepaintAgain {
        TCustomTeePanel* Panel;
        String Name;
        ~TRepaintAgain() {
            if (!Name.isEmpty() && Panel->Name() != Name) {
                try {
                    Panel->SetName(Name);
                } catch (const Exception&) {
                }
            }
            Panel->Invalidate();
        }
    } again{APanel, name};
    TReader reader(AStream, 4096);
    reader.OnFindMethod = [](TReader*, const String&, TMethod&, bool& Error) { Error = false; };
    reader.ReadRootComponent(APanel);
}

void LoadTeeFromFile(TCustomTeePanel* APanel, const String& FileName) {
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadTeeFromStream(APanel, &stream);
}
