object SLScopeCursorChannelLinkForm: TSLScopeCursorChannelLinkForm
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Crossing Mark'
  ClientHeight = 104
  ClientWidth = 171
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  PixelsPerInch = 96
  TextHeight = 13
  object ShapeLabel: TLabel
    Left = 0
    Top = 4
    Width = 30
    Height = 13
    Caption = '&Shape'
  end
  object ShapeComboBox: TComboBox
    Left = 34
    Top = 0
    Width = 84
    Height = 21
    Hint = 'Shape of the mark where the channel crosses the cursor'
    Style = csDropDownList
    ShowHint = True
  end
  object SizeEdit: TEdit
    Left = 122
    Top = 0
    Width = 33
    Height = 21
    Hint = 'Size of the mark'
    ShowHint = True
  end
  object SizeUpDown: TUpDown
    Left = 155
    Top = 0
    Width = 16
    Height = 21
    Associate = SizeEdit
    Min = 1
    Max = 100
  end
  object PenButton: TButton
    Left = 0
    Top = 26
    Width = 55
    Height = 23
    Caption = '&Pen...'
  end
  object BrushButton: TButton
    Left = 58
    Top = 26
    Width = 55
    Height = 23
    Caption = '&Brush...'
  end
  object FontButton: TButton
    Left = 116
    Top = 26
    Width = 55
    Height = 23
    Hint = 'Font of the value written beside the mark'
    Caption = '&Font...'
    ShowHint = True
  end
  object UseChannelColorCheckBox: TCheckBox
    Left = 0
    Top = 54
    Width = 171
    Height = 17
    Caption = '&Use Channel Color'
  end
  object LabelVisibleCheckBox: TCheckBox
    Left = 0
    Top = 81
    Width = 52
    Height = 17
    Hint = 'Write the value beside the mark'
    Caption = '&Label'
    ShowHint = True
  end
  object LabelEdit: TEdit
    Left = 54
    Top = 79
    Width = 117
    Height = 21
    Hint = 'Text of the label: %X and %Y give the values, %% a percent sign'
    ShowHint = True
  end
end
