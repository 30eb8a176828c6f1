object FxForm: TFxForm
  Tag = 7
  object Panel1: TFxControl
    Caption = 'Main'
    Buddy = Button1
    Font.Color = clRed
    Font.Height = -16
    Panels = <
      item
        Caption = 'Status'
        Width = 200
      end
      item
        Caption = 'Msgs'
      end>
    object Button1: TFxControl
      Caption = 'Send'
      OnClick = ButtonClick
    end
  end
  object Switch1: TFxSwitch
    StateOn = True
    OnOn = SwitchOn
  end
end
