object FxHost: TFxHost
  inline Frame1: TFxFrame
    Tag = 3
    inherited Label1: TFxControl
      Caption = 'Pressure Type'
      OnClick = ButtonClick
    end
  end
end
