inherited FxChildForm: TFxChildForm
  inherited Panel1: TFxControl
    Caption = 'Derived'
  end
  object Extra1: TFxControl
    Buddy = Panel1
    OnClick = ButtonClick
  end
end
