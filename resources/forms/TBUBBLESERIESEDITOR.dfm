inherited BubbleSeriesEditor: TBubbleSeriesEditor
  Caption = 'Bubble'
end
