inherited TeeExportForm: TTeeExportForm
  inherited PageControl1: TPageControl
    inherited TabPicture: TTabSheet
      inherited GBFormat: TGroupBox
        Left = 0
        Top = 0
        Height = 222
      end
      inherited PageOptions: TPageControl
        Left = 124
        Top = 0
        Width = 305
        Height = 222
      end
      inherited CBPicSize: TCheckBox
        Top = 230
      end
      inherited LabelPicSize: TLabel
        Top = 232
      end
    end
  end
end
