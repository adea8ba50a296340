object Form1: TFuzzForm
  Caption = 'Fuzz'#13#10'form'
  object A: TFuzzComponent
    Enabled = False
    Count = -12
    Mask = $FFFFFFFF
    Big = 9223372036854775807
    Caption = 'It''s'
    Lines.Strings = (
      'one'
      'two')
    Data = {0A0B0C}
    Range.Min = 0.5
    Range.Mode = fmThree
    Range.Flags = [ffA, ffC]
    Range.Color = clNavy
    Range._Floats = ((Max 0.0))
    Peer = B
    OnChange = Changed
  end
  object B: TFuzzComponent
    Items = <
      item
        Name = 'tA'
        Tag = 3
        OnClick = Changed
      end
      item
      end>
  end
end
