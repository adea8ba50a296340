inherited Form1: TFuzzForm
  Caption = 'pin '#55357#56524' and '#$D83D#$DE08
  object A: TFuzzComponent [0]
    Range.Min = 32874d
    Range.Max = 1.5s
    Items = <
      item
        Name = 'price'
        Tag = 3
      end>
  end
  object B: TFuzzComponent [1]
    Range.Min = -12.34c
    Range._Floats = ((Max 0.0d))
  end
end
