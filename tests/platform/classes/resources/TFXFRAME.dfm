object FxFrame: TFxFrame
  object Label1: TFxControl
    Caption = 'Frame label'
    Left = 4
  end
end
