inherited MarkersEditor: TMarkersEditor
end
